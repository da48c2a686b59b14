#include "exports/datasheet.h"

#include "drawing/flangedrawing.h"
#include "exports/copytext.h"
#include "exports/drawingpainter.h"
#include "exports/sheettable.h"
#include "files/atomicfile.h"

#include "catalogue/classseries.h"
#include "catalogue/flangeinput.h"
#include "takeoff/writeall.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPdfWriter>
#include <algorithm>

namespace
{

// The sheet as issued, at its paper size when the page has it, else reduced to fit.
void paintSheet(QPainter &painter, const QRectF &page, double mm, const FlangeDrawing &sheet)
{
    const QSizeF paper = sheet.paper.sizeMm * mm;
    const double fit =
        std::min({1.0, page.width() / paper.width(), page.height() / paper.height()});
    const QPointF topLeft(page.center().x() - paper.width() * fit / 2,
                          page.center().y() - paper.height() * fit / 2);
    paintDrawing(painter, sheet, {topLeft, mm * fit / sheet.paper.scale, mm * fit});
}

// Every value of the row with its name, symbol and unit, under a heading.
void paintValues(QPainter &painter, const QRectF &page, double mm, const FlangeRecord &record,
                 const FlangeDrawing &sheet)
{
    painter.save();
    painter.setPen(QPen(Qt::black, 0.25 * mm));
    const double margin = 5 * mm;
    const QRectF frame = page.adjusted(margin, margin, -margin, -margin);
    painter.drawRect(frame);

    const QString heading =
        flangeName(record.kind) + QCoreApplication::translate("DataSheet", "数据表");
    painter.setFont(fontOfHeight(exportFont(), painter, 5 * mm));
    const QRectF headingBox(frame.left(), frame.top() + 3 * mm, frame.width(), 9 * mm);
    painter.drawText(headingBox, Qt::AlignCenter, heading);

    QList<QStringList> values{{QCoreApplication::translate("DataSheet", "名称"),
                               QCoreApplication::translate("DataSheet", "符号"),
                               QCoreApplication::translate("DataSheet", "数值"),
                               QCoreApplication::translate("DataSheet", "单位")}};
    for (const FlangeField &field : recordFields(record))
        values << QStringList{field.name, field.symbol, fieldValueText(field, record), field.unit};
    // A Class record's values include its bolting and gasket in words: room for them on a line.
    const QList<double> widths =
        isClassRecord(record) ? QList<double>{38, 12, 110, 13} : QList<double>{38, 16, 28, 13};
    double width = 0;
    for (double w : widths)
        width += w * mm;
    paintTableRows(painter, QPointF(frame.center().x() - width / 2, headingBox.bottom() + 6 * mm),
                   values, widths, mm);

    // Footer: the flange and the program that made the sheet.
    painter.setFont(fontOfHeight(exportFont(), painter, 2.2 * mm));
    const QRectF footer(frame.left() + 3 * mm, frame.bottom() - 8 * mm, frame.width() - 6 * mm,
                        6 * mm);
    // (the Class series has no pipe series; its title names standard and size)
    painter.drawText(footer, Qt::AlignVCenter | Qt::AlignLeft,
                     isClassRecord(record)
                         ? sheet.title + QLatin1Char(' ') + classStandardText()
                         : sheet.title + QCoreApplication::translate("DataSheet", " 系列") +
                               seriesText(record.series));
    painter.drawText(footer, Qt::AlignVCenter | Qt::AlignRight, programLine());
    painter.restore();
}

} // namespace

QPageLayout dataSheetLayout(const FlangeDrawing &sheet, int index)
{
    const QSizeF paper = index == 0 ? sheet.paper.sizeMm : QSizeF(210, 297);
    const bool landscape = paper.width() > paper.height();
    const QSizeF portrait = landscape ? paper.transposed() : paper;
    return QPageLayout(QPageSize(portrait, QPageSize::Millimeter),
                       landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF());
}

bool paintDataSheetPage(QPainter &painter, const QRectF &page, double mm,
                        const FlangeRecord &record, const FlangeDrawing &sheet, int index)
{
    if (index == 0)
        paintSheet(painter, page, mm, sheet);
    else
        paintValues(painter, page, mm, record, sheet);
    return index == 0;
}

QString writeDataSheetPdf(const FlangeRecord &record, const TitleEntries &entries,
                          const QString &path)
{
    const FlangeDrawing sheet = buildFlangeSheet(record, entries);
    return writeOutputFile(path, [&](QIODevice &device) {
        // Made in memory first: the PDF writer does not say when a write fails.
        QBuffer made;
        made.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&made);
        pdf.setResolution(600);
        pdf.setPageLayout(dataSheetLayout(sheet, 0));
        pdf.setTitle(sheet.title);
        pdf.setCreator(programLine());
        QPainter painter;
        if (!painter.begin(&pdf))
            return QStringLiteral("the PDF writer did not start");
        const double mm = pdf.resolution() / 25.4;
        for (int index = 0;; ++index) {
            const QRectF page(
                QPointF(0, 0),
                dataSheetLayout(sheet, index).fullRect(QPageLayout::Millimeter).size() * mm);
            if (!paintDataSheetPage(painter, page, mm, record, sheet, index))
                break;
            pdf.setPageLayout(dataSheetLayout(sheet, index + 1));
            pdf.newPage();
        }
        painter.end();
        return writeAll(device, made.data());
    });
}
