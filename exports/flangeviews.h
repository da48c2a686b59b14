#pragma once

#include "catalogue/catalogue.h"
#include "exports/drawingbuilder.h"

// The two views of a flange, drawn at 1:1 into one drawing: the face view centred on the origin
// and the section through the axis to its right, with centre lines and dimensions carrying the
// row's values. `t` is the dimension text's height in drawing units; the gaps between
// dimension lines follow it.

// The sizes of one flange the views are drawn from.
struct FlangeSizes {
    double d = 0, k = 0, c = 0, bore = 0, l = 0;
    int n = 0;
};

void drawFaceView(DrawingBuilder &b, const FlangeRecord &r, const FlangeSizes &s, double t);
// The section with its back face at x = x0.
void drawSection(DrawingBuilder &b, const FlangeRecord &r, const FlangeSizes &s, double x0,
                 double t);

// "D=φ210", "C=22".
QString diameterText(const QString &symbol, double value);
QString lengthText(const QString &symbol, double value);
