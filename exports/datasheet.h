#pragma once

#include "catalogue/catalogue.h"
#include "drawing/drawingmodel.h"
#include "drawing/titleblock.h"

#include <QPageLayout>
#include <QPainter>
#include <QRectF>
#include <QString>

// The data sheet of one flange: on its first page the drawing as issued (buildFlangeSheet:
// frame, title block, the views at the plot scale, on A4 or A3), on its second a table of every
// value with its Chinese name, symbol and unit, and the program's name and version.

// Page `index`'s paper, without margins: the sheet's (A4 portrait or A3 landscape), then A4
// portrait for the table.
QPageLayout dataSheetLayout(const FlangeDrawing &sheet, int index = 0);

// Paints page `index` (0 or 1) on any painter (QPdfWriter, QPrinter, a preview widget) into
// `page`, the printable rectangle in device units; `unitsPerMm` is the device's units per
// millimetre of paper. A page smaller than the sheet's paper gets the sheet reduced to fit.
// Returns true when another page follows.
bool paintDataSheetPage(QPainter &painter, const QRectF &page, double unitsPerMm,
                        const FlangeRecord &record, const FlangeDrawing &sheet, int index);

// Writes both pages as a PDF, atomically; returns "" or why it could not. Needs a
// QGuiApplication (fonts).
QString writeDataSheetPdf(const FlangeRecord &record, const TitleEntries &entries,
                          const QString &path);
