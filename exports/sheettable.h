#pragma once

#include <QList>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <QStringList>

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
    QList<QStringList> rows;
};

// Paints page `index` (from 0) of the table into `page`, the printable rectangle in device
// units. Returns true when another page follows.
bool paintSheetTablePage(QPainter &painter, const QRectF &page, double unitsPerMm, int index,
                         const SheetTable &table);

// "Quorvit 1.4.0": the program and version a sheet names at its foot.
QString programLine();
