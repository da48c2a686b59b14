#include "exports/sheettable.h"

#include "exports/drawingpainter.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <algorithm>

namespace
{

constexpr double TextMm = 3.0;       // body text height on paper
constexpr double RowMm = 2 * TextMm; // a row of one text line
constexpr double PaddingMm = 1.0;    // between a cell's rules and its text
constexpr int CellFlags = Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap;

QFont cellFont(const QPainter &painter, double mm)
{
    return fontOfHeight(exportFont(), painter, TextMm * mm * 0.8);
}

// How tall each row is drawn with the painter's font in columns `widths` (device units) wide.
QList<double> rowHeights(const QPainter &painter, const QList<QStringList> &rows,
                         const QList<double> &widths, double mm)
{
    const QFontMetricsF metrics(painter.font(), painter.device());
    QList<double> heights;
    heights.reserve(rows.size());
    for (const QStringList &row : rows) {
        double height = RowMm * mm;
        for (int c = 0; c < row.size() && c < widths.size(); ++c) {
            const QRectF room(0, 0, widths[c] - 2 * PaddingMm * mm, 1e9);
            height = std::max(height, metrics.boundingRect(room, CellFlags, row[c]).height() +
                                          2 * PaddingMm * mm);
        }
        heights.append(height);
    }
    return heights;
}

// Rows of cells in a grid with lines, each row `heights` tall; returns the height it took.
double paintGrid(QPainter &painter, QPointF topLeft, const QList<QStringList> &rows,
                 const QList<double> &widths, const QList<double> &heights, double mm)
{
    double width = 0;
    for (double w : widths)
        width += w;
    double y = topLeft.y();
    painter.drawLine(QPointF(topLeft.x(), y), QPointF(topLeft.x() + width, y));
    for (int r = 0; r < rows.size(); ++r) {
        double cellLeft = topLeft.x();
        for (int c = 0; c < rows[r].size() && c < widths.size(); ++c) {
            const QRectF cell(cellLeft + PaddingMm * mm, y, widths[c] - 2 * PaddingMm * mm,
                              heights[r]);
            painter.drawText(cell, CellFlags, rows[r][c]);
            cellLeft += widths[c];
        }
        y += heights[r];
        painter.drawLine(QPointF(topLeft.x(), y), QPointF(topLeft.x() + width, y));
    }
    double x = topLeft.x();
    painter.drawLine(QPointF(x, topLeft.y()), QPointF(x, y));
    for (double w : widths) {
        x += w;
        painter.drawLine(QPointF(x, topLeft.y()), QPointF(x, y));
    }
    return y - topLeft.y();
}

QList<double> deviceWidths(const QList<double> &widthsMm, double mm)
{
    QList<double> widths;
    for (double w : widthsMm)
        widths.append(w * mm);
    return widths;
}

// Where a page's rows start: every page takes rows while they fit under its header.
QList<qsizetype> pageStarts(const QList<double> &heights, double room)
{
    QList<qsizetype> starts{0};
    double used = 0;
    for (qsizetype r = 0; r < heights.size(); ++r) {
        if (used + heights[r] > room && r > starts.constLast()) {
            starts.append(r);
            used = 0;
        }
        used += heights[r];
    }
    return starts;
}

} // namespace

QString programLine()
{
    QString version = QCoreApplication::applicationVersion();
    if (version.isEmpty())
        version = QStringLiteral(QUORVIT_VERSION);
    return QStringLiteral("Quorvit %1").arg(version);
}

double paintTableRows(QPainter &painter, QPointF topLeft, const QList<QStringList> &rows,
                      const QList<double> &columnWidthsMm, double mm)
{
    painter.setFont(cellFont(painter, mm));
    const QList<double> widths = deviceWidths(columnWidthsMm, mm);
    return paintGrid(painter, topLeft, rows, widths, rowHeights(painter, rows, widths, mm), mm);
}

bool paintSheetTablePage(QPainter &painter, const QRectF &page, double mm, int index,
                         const SheetTable &table)
{
    painter.save();
    painter.setPen(QPen(Qt::black, 0.25 * mm));
    const QRectF titleBox(page.left(), page.top(), page.width(), 9 * mm);
    const QRectF footer(page.left(), page.bottom() - 6 * mm, page.width(), 6 * mm);
    const double tableTop = titleBox.bottom() + 2 * mm;

    QList<double> widths = deviceWidths(table.columnWidthsMm, mm);
    if (!widths.isEmpty()) {
        double others = 0;
        for (qsizetype c = 0; c + 1 < widths.size(); ++c)
            others += widths[c];
        widths.last() = std::max(widths.last(), page.width() - others);
    }
    painter.setFont(cellFont(painter, mm));
    const double headerHeight = rowHeights(painter, {table.header}, widths, mm).constFirst();
    const QList<double> heights = rowHeights(painter, table.rows, widths, mm);
    const QList<qsizetype> starts =
        pageStarts(heights, footer.top() - 2 * mm - tableTop - headerHeight);
    const qsizetype first = starts.value(index, table.rows.size());
    const qsizetype end = starts.value(index + 1, table.rows.size());

    painter.setFont(fontOfHeight(exportFont(), painter, 5 * mm));
    painter.drawText(titleBox, Qt::AlignCenter, table.title);
    painter.setFont(cellFont(painter, mm));
    paintGrid(painter, QPointF(page.left(), tableTop),
              QList<QStringList>{table.header} + table.rows.mid(first, end - first), widths,
              QList<double>{headerHeight} + heights.mid(first, end - first), mm);

    painter.setFont(fontOfHeight(exportFont(), painter, 2.2 * mm));
    painter.drawText(footer, Qt::AlignVCenter | Qt::AlignLeft, programLine());
    painter.drawText(footer, Qt::AlignVCenter | Qt::AlignRight,
                     QStringLiteral("第 %1 页，共 %2 页").arg(index + 1).arg(starts.size()));
    painter.restore();
    return index + 1 < starts.size();
}
