#pragma once

#include "drawing/drawingmodel.h"

#include <functional>

// The sheet a drawing is issued on: the paper sizes of GB/T 14689 with a binding edge, the plot
// scales of GB/T 14690, and the frame. Positions on paper are in millimetres from the trimmed
// paper's lower left corner, y up.

// The papers a flange is drawn on, in order of preference: A4 portrait, A3 landscape (scale 1).
QList<DrawingPaper> sheetPapers();

// The drawing frame inside the trimmed paper: 25 mm from the binding (left) edge, 5 mm from
// the others (A4, A3).
QRectF frameRect(QSizeF paperMm);
// Where the views go: inside the frame and above the title block, clear of both.
QRectF viewArea(QSizeF paperMm);

// The reduction scales of technical drawings (GB/T 14690, preferred and allowed), as their
// denominators, ascending: 1, 1.5, 2, 2.5, 3, 4, 5, 6, 10, 15 … 100.
QList<double> standardScales();
// "1:2.5".
QString scaleText(double denominator);

// The views that `viewsAt(scale)` builds (texts sized for that scale), on the first paper and
// at the largest scale whose view area holds them; the drawing's paper is set and its
// extents become the trimmed paper, in drawing units, with the views in the middle of the view
// area.
FlangeDrawing laidOutOnSheet(const std::function<FlangeDrawing(double scale)> &viewsAt);

// A point given in millimetres on the paper, in the drawing's units.
QPointF onPaper(const FlangeDrawing &sheet, QPointF paperMm);

// The trimmed edge and the frame.
void drawFrame(FlangeDrawing &sheet);
