#pragma once

#include "catalogue/catalogue.h"

#include <QPainter>
#include <QRectF>
#include <QString>

// The data sheet of one flange: its drawing at the largest standard scale that fits (named in
// the title block), the title block, a table of every value with its Chinese name, symbol and
// unit, and the program's name and version.

// Paints the sheet on any painter (QPdfWriter, QPrinter, a preview widget) into `page`, the
// printable rectangle in device units; `unitsPerMm` is the device's units per millimetre.
// Returns the scale denominator the drawing was drawn at.
double paintDataSheet(QPainter &painter, const QRectF &page, double unitsPerMm,
                      const FlangeRecord &record);

// Writes the sheet as a one-page A4 PDF, atomically; returns "" or why it could not. Needs a
// QGuiApplication (fonts).
QString writeDataSheetPdf(const FlangeRecord &record, const QString &path);
