#pragma once

#include "catalogue/catalogue.h"
#include "drawing/drawingbuilder.h"

// The two views of a flange, drawn at 1:1 into one drawing: the face view centred on the origin
// and the section through the axis to its right, with centre lines and dimensions carrying the
// row's values. `t` is the dimension text's height in drawing units; the gaps between
// dimension lines follow it.

// The sizes of one flange the views are drawn from.
struct FlangeSizes {
    double d = 0, k = 0, c = 0, bore = 0, l = 0;
    double weldEnd = 0; // the hub's end seen in the face view; 0 where none
    int n = 0;
};

void drawFaceView(DrawingBuilder &b, const FlangeRecord &r, const FlangeSizes &s, double t);
// The section with its back face at x = x0; the hub's small sizes (S, h, R) left to its
// detail when `hubInDetail`.
void drawSection(DrawingBuilder &b, const FlangeRecord &r, const FlangeSizes &s, double x0,
                 double t, bool hubInDetail);
// The upper half of the section's cut faces, closed outlines (the fillet as short chords).
QList<DrawingOutline> upperSectionFaces(const FlangeRecord &r, const FlangeSizes &s, double x0);

// The Class series' section (B16.5's sizes: raised face, hub X over Y, a blind flange solid),
// its front face at x = x0 with the raised face in front of it.
void drawClassSection(DrawingBuilder &b, const FlangeRecord &r, const FlangeSizes &s, double x0,
                      double t);

// The scale of the hub's enlarged detail on a sheet plotted at 1:`scale` (a GB/T 14690
// denominator), or 0 when the hub reads well enough in the section: the sheet is at 1:1 or
// the hub's wall where it meets the ring stands at least 4 mm on paper.
double hubDetailScale(const FlangeRecord &r, const FlangeSizes &s, double scale);
// The detail "I" of the hub right of everything drawn so far, at 1:`detailScale`, with the
// sizes too small for the section; the hub ringed and named on the section.
void drawHubDetail(DrawingBuilder &b, const FlangeRecord &r, const FlangeSizes &s, double x0,
                   double t, double scale, double detailScale);

// "D=φ210", "C=22".
QString diameterText(const QString &symbol, double value);
QString lengthText(const QString &symbol, double value);
