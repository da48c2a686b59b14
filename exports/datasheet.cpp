#include "exports/datasheet.h"

#include "exports/atomicfile.h"
#include "exports/copytext.h"
#include "exports/drawingpainter.h"
#include "exports/flangedrawing.h"
#include "exports/sheettable.h"

#include "catalogue/flangeinput.h"
#include "takeoff/writeall.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPdfWriter>

namespace
{

constexpr double TextMm = 3.0;        // body text height on paper
constexpr double DrawingTextMm = 2.5; // the drawing's dimension text on paper
constexpr double RowMm = 2 * TextMm;  // a one-line table row, as paintTableRows draws it

} // namespace

double paintDataSheet(QPainter &painter, const QRectF &page, double mm, const FlangeRecord &record)
{
    painter.save();
    painter.setPen(QPen(Qt::black, 0.25 * mm));
    const double margin = 5 * mm;
    const QRectF frame = page.adjusted(margin, margin, -margin, -margin);
    painter.drawRect(frame);

    // Heading.
    const QString heading = kindChineseName(record.kind) + QStringLiteral("法兰数据表");
    painter.setFont(fontOfHeight(exportFont(), painter, 5 * mm));
    const QRectF headingBox(frame.left(), frame.top() + 3 * mm, frame.width(), 9 * mm);
    painter.drawText(headingBox, Qt::AlignCenter, heading);

    // The drawing, at the largest standard scale whose drawing fits the room the tables and
    // the footer leave.
    const QList<FlangeField> &fields = flangeFields(record.kind);
    const double tablesHeight = (fields.size() + 1) * RowMm * mm;
    const QRectF room(frame.left() + 5 * mm, headingBox.bottom() + 2 * mm, frame.width() - 10 * mm,
                      frame.bottom() - headingBox.bottom() - tablesHeight - 24 * mm);
    FlangeDrawing drawing;
    double scale = 1;
    for (double candidate : standardScales()) {
        scale = candidate;
        drawing = buildFlangeDrawing(record, {DrawingTextMm * scale, false});
        const QSizeF onPaper = drawing.extents.size() * (mm / scale);
        if (onPaper.width() <= room.width() && onPaper.height() <= room.height())
            break;
    }
    const QSizeF onPaper = drawing.extents.size() * (mm / scale);
    const QPointF drawingTopLeft(room.center().x() - onPaper.width() / 2,
                                 room.center().y() - onPaper.height() / 2);
    paintDrawing(painter, drawing, {drawingTopLeft, mm / scale, mm});

    // The title block and the values side by side under the drawing.
    painter.setPen(QPen(Qt::black, 0.25 * mm));
    const double tablesTop = room.bottom() + 6 * mm;
    QList<QStringList> title;
    for (const TitleRow &row : titleBlockRows(record, scaleText(scale)))
        title << QStringList{row.label, row.value};
    const double left = frame.left() + 5 * mm;
    paintTableRows(painter, QPointF(left, tablesTop), title, {22, 52}, mm);

    QList<QStringList> values{{QStringLiteral("名称"), QStringLiteral("符号"),
                               QStringLiteral("数值"), QStringLiteral("单位")}};
    for (const FlangeField &field : fields)
        values << QStringList{field.name, field.symbol, fieldValueText(field, record), field.unit};
    paintTableRows(painter, QPointF(left + 80 * mm, tablesTop), values, {38, 16, 28, 13}, mm);

    // Footer: the program that made the sheet.
    painter.setFont(fontOfHeight(exportFont(), painter, 2.2 * mm));
    const QRectF footer(frame.left() + 3 * mm, frame.bottom() - 8 * mm, frame.width() - 6 * mm,
                        6 * mm);
    painter.drawText(footer, Qt::AlignVCenter | Qt::AlignLeft,
                     drawing.title + QStringLiteral(" 系列") + seriesText(record.series));
    painter.drawText(footer, Qt::AlignVCenter | Qt::AlignRight, programLine());
    painter.restore();
    return scale;
}

QString writeDataSheetPdf(const FlangeRecord &record, const QString &path)
{
    return writeOutputFile(path, [&](QIODevice &device) {
        // Made in memory first: the PDF writer does not say when a write fails.
        QBuffer made;
        made.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&made);
        pdf.setResolution(600);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageOrientation(QPageLayout::Portrait);
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        pdf.setTitle(kindChineseName(record.kind) + QStringLiteral("法兰数据表"));
        pdf.setCreator(programLine());
        QPainter painter;
        if (!painter.begin(&pdf))
            return QStringLiteral("the PDF writer did not start");
        const double mm = pdf.resolution() / 25.4;
        paintDataSheet(painter, QRectF(0, 0, 210 * mm, 297 * mm), mm, record);
        painter.end();
        return writeAll(device, made.data());
    });
}
