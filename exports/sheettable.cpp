#include "exports/sheettable.h"

#include "exports/drawingpainter.h"

#include <QCoreApplication>
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

// A text all of whose glyphs come from the font itself: no line breaks, no fallback font.
bool isPlainLine(const QString &text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u' ' && c < u'\x7f'; });
}

QList<double> deviceWidths(const QList<double> &widthsMm, double mm)
{
    QList<double> widths;
    for (double w : widthsMm)
        widths.append(w * mm);
    return widths;
}

// Where a page's rows start: every page takes rows while they fit under its header.
QList<qsizetype> pageStarts(const QList<float> &heights, double room)
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

CellMeasure::CellMeasure(const QPainter &painter, const QList<double> &widths, double mm)
    : m_metrics(painter.font(), painter.device()), m_widths(widths), m_mm(mm),
      m_oneLine(std::max(RowMm * mm, m_metrics.height() + 2 * PaddingMm * mm)),
      m_known(widths.size())
{
}

double CellMeasure::cellHeight(int column, const QString &text)
{
    auto found = m_known[column].constFind(text);
    if (found != m_known[column].cend())
        return *found;
    // A plain text that fits takes one line; any other is laid out with its line breaks and
    // fallback fonts.
    const double room = m_widths[column] - 2 * PaddingMm * m_mm;
    const double height =
        isPlainLine(text) && m_metrics.horizontalAdvance(text) <= room
            ? m_oneLine
            : std::max(m_oneLine,
                       m_metrics.boundingRect(QRectF(0, 0, room, 1e9), CellFlags, text).height() +
                           2 * PaddingMm * m_mm);
    return *m_known[column].insert(text, height);
}

double CellMeasure::rowHeight(const QStringList &row)
{
    double height = m_oneLine;
    for (int c = 0; c < row.size() && c < m_widths.size(); ++c)
        height = std::max(height, cellHeight(c, row[c]));
    return height;
}

bool CellMeasure::isOneLine(int column, const QString &text)
{
    return isPlainLine(text) && cellHeight(column, text) == m_oneLine;
}

namespace
{

// Rows of cells in a grid with lines, each row `heights` tall; returns the height it took.
double paintGrid(QPainter &painter, QPointF topLeft, const QList<QStringList> &rows,
                 const QList<double> &heights, CellMeasure &measure)
{
    const QList<double> &widths = measure.widths();
    const double mm = measure.unitsPerMm();
    const QFontMetricsF metrics(painter.font(), painter.device());
    double width = 0;
    for (double w : widths)
        width += w;
    double y = topLeft.y();
    painter.drawLine(QPointF(topLeft.x(), y), QPointF(topLeft.x() + width, y));
    for (int r = 0; r < rows.size(); ++r) {
        double cellLeft = topLeft.x();
        // Where one line of text stands centred in the row, as the flags would put it.
        const double baseline = y + (heights[r] - metrics.height()) / 2 + metrics.ascent();
        for (int c = 0; c < rows[r].size() && c < widths.size(); ++c) {
            const QString &text = rows[r][c];
            const QRectF cell(cellLeft + PaddingMm * mm, y, widths[c] - 2 * PaddingMm * mm,
                              heights[r]);
            // A plain line is drawn at its baseline: laying out every cell's text for its line
            // breaks was most of a long table's printing.
            if (measure.isOneLine(c, text))
                painter.drawText(QPointF(cell.left(), baseline), text);
            else
                painter.drawText(cell, CellFlags, text);
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
    CellMeasure measure(painter, deviceWidths(columnWidthsMm, mm), mm);
    QList<double> heights;
    for (const QStringList &row : rows)
        heights.append(measure.rowHeight(row));
    return paintGrid(painter, topLeft, rows, heights, measure);
}

SheetTablePages::Layout &SheetTablePages::layout(const QPainter &painter, const QRectF &page,
                                                 double mm)
{
    const int dpi = painter.device()->logicalDpiY();
    if (m_layout && m_layout->page == page.size() && m_layout->unitsPerMm == mm &&
        m_layout->dpi == dpi)
        return *m_layout;
    QList<double> widths = deviceWidths(m_table.columnWidthsMm, mm);
    if (!widths.isEmpty()) {
        double others = 0;
        for (qsizetype c = 0; c + 1 < widths.size(); ++c)
            others += widths[c];
        widths.last() = std::max(widths.last(), page.width() - others);
    }
    Layout laid{page.size(), mm, dpi, CellMeasure(painter, widths, mm), 0, {}, {}};
    laid.headerHeight = laid.measure.rowHeight(m_table.header);
    laid.heights.reserve(m_table.rowCount);
    for (qsizetype r = 0; r < m_table.rowCount; ++r)
        laid.heights.append(float(laid.measure.rowHeight(m_table.row(r))));
    // The rows' room: below the title and the header, above the foot (see paint()).
    const double room = page.height() - 9 * mm - 2 * mm - laid.headerHeight - 2 * mm - 6 * mm;
    laid.starts = pageStarts(laid.heights, room);
    m_layout.emplace(std::move(laid));
    return *m_layout;
}

bool SheetTablePages::paint(QPainter &painter, const QRectF &page, double mm, int index)
{
    painter.save();
    painter.setPen(QPen(Qt::black, 0.25 * mm));
    const QRectF titleBox(page.left(), page.top(), page.width(), 9 * mm);
    const QRectF footer(page.left(), page.bottom() - 6 * mm, page.width(), 6 * mm);
    const double tableTop = titleBox.bottom() + 2 * mm;

    painter.setFont(cellFont(painter, mm));
    Layout &laid = layout(painter, page, mm);
    const qsizetype first = laid.starts.value(index, m_table.rowCount);
    const qsizetype end = laid.starts.value(index + 1, m_table.rowCount);
    QList<QStringList> rows{m_table.header};
    QList<double> heights{laid.headerHeight};
    for (qsizetype r = first; r < end; ++r) {
        rows.append(m_table.row(r));
        heights.append(laid.heights[r]);
    }

    painter.setFont(fontOfHeight(exportFont(), painter, 5 * mm));
    painter.drawText(titleBox, Qt::AlignCenter, m_table.title);
    painter.setFont(cellFont(painter, mm));
    paintGrid(painter, QPointF(page.left(), tableTop), rows, heights, laid.measure);

    painter.setFont(fontOfHeight(exportFont(), painter, 2.2 * mm));
    painter.drawText(footer, Qt::AlignVCenter | Qt::AlignLeft, programLine());
    painter.drawText(footer, Qt::AlignVCenter | Qt::AlignRight,
                     QStringLiteral("第 %1 页，共 %2 页").arg(index + 1).arg(laid.starts.size()));
    painter.restore();
    return index + 1 < laid.starts.size();
}
