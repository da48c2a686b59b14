#pragma once

#include "drawing/drawingmodel.h"

#include <QFont>
#include <QPainter>
#include <QRectF>

// Paints a FlangeDrawing on any QPainter (SVG generator, PDF writer, printer, widget): the
// drawing's extents land on `target` (device units) at `unitsPerMm` device units per drawing
// millimetre, y turned to point down. Pens and arrowheads keep paper sizes (`unitsPerPaperMm`
// device units per millimetre of paper), whatever the drawing's scale.
struct DrawingPlacement {
    QPointF topLeft;        // where the extents' top-left corner goes
    double unitsPerMm;      // device units per drawing millimetre
    double unitsPerPaperMm; // device units per millimetre on paper
};
void paintDrawing(QPainter &painter, const FlangeDrawing &drawing,
                  const DrawingPlacement &placement);

// The faces the exports letter Chinese with: installed CJK faces whose glyphs PDF keeps as text.
QFont exportFont();

// `font` sized so that its capital letters stand `height` device units tall on `painter`.
QFont fontOfHeight(QFont font, const QPainter &painter, double height);
