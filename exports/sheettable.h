#pragma once

#include <QFontMetricsF>
#include <QHash>
#include <QList>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// Tables of text on paper, as the data sheet and the printed take-off draw them: ruled cells
// lettered in the export font (which has the Chinese glyphs), each row at least one text row
// tall and taller when a cell's text wraps.

// Paints `rows` as a ruled grid from `topLeft`, its columns `columnWidthsMm` wide;
// `unitsPerMm` device units to the millimetre. Returns the height it took in device units.
double paintTableRows(QPainter &painter, QPointF topLeft, const QList<QStringList> &rows,
                      const QList<double> &columnWidthsMm, double unitsPerMm);

// A table that may need many pages: its title and header row head every page, the rows follow
// as far as they fit, and the foot names the program and the page.
struct SheetTable {
    QString title;
    QStringList header;
    QList<double> columnWidthsMm; // the last column widens to take what the page leaves
    qsizetype rowCount = 0;
    // Row r's cells, asked for when the table is laid out and when the row's page is painted:
    // a long table's texts are never all held at once.
    std::function<QStringList(qsizetype r)> row;
};

// The heights of cells in columns `widths` device units wide, each distinct text of a column
// measured once: a long table repeats its texts (kinds, sizes, bolts) on every page.
class CellMeasure
{
public:
    CellMeasure(const QPainter &painter, const QList<double> &widths, double unitsPerMm);
    double rowHeight(const QStringList &row);
    // Whether the cell is one line of text from the font itself that fits its column, which is
    // drawn at its baseline without a text layout.
    bool isOneLine(int column, const QString &text);
    const QList<double> &widths() const { return m_widths; }
    double unitsPerMm() const { return m_mm; }

private:
    double cellHeight(int column, const QString &text);

    QFontMetricsF m_metrics;
    QList<double> m_widths;
    double m_mm;
    double m_oneLine; // a row of one line of text
    QList<QHash<QString, double>> m_known;
};

// Pages of a SheetTable. The table is laid out once for a page and device (every row's height,
// where each page starts), then a page paints only its own rows: a preview paints every page in
// turn, and laying every row out again for each page made a long list's preview take minutes.
class SheetTablePages
{
public:
    explicit SheetTablePages(SheetTable table) : m_table(std::move(table)) {}

    // Paints page `index` (from 0) into `page`, the printable rectangle in device units.
    // Returns true when another page follows.
    bool paint(QPainter &painter, const QRectF &page, double unitsPerMm, int index);

private:
    struct Layout {
        QSizeF page;
        double unitsPerMm;
        int dpi;
        CellMeasure measure;
        double headerHeight;
        QList<float> heights;    // a million rows' heights in 4 MB
        QList<qsizetype> starts; // each page's first row
    };
    Layout &layout(const QPainter &painter, const QRectF &page, double unitsPerMm);

    SheetTable m_table;
    std::optional<Layout> m_layout;
};

// "Quorvit 1.4.0": the program and version a sheet names at its foot.
QString programLine();
