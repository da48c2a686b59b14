#pragma once

#include <QLineF>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

// A drawing as neutral geometry in millimetres, y pointing up (as in CAD). The flange is drawn
// at 1:1; the sheet round it (frame, title block) and every text are drawn at the plot scale,
// so that they print at their paper sizes. The DXF, SVG and PDF writers only translate it.

enum class DrawingLayer {
    Outline,    // the part's visible edges, thick
    Center,     // centre lines
    Hatch,      // the section's hatching
    Dimensions, // dimension, extension and leader lines
    Text,       // callouts and the title block's texts
    Border,     // the drawing frame and the title block's outer edge, thick
    Sheet,      // the paper's trimmed edge and the title block's inner lines, thin
};

struct DrawingLine {
    DrawingLayer layer;
    QLineF line;
};

// Counter-clockwise from startDeg to endDeg, degrees from the +x axis.
struct DrawingArc {
    DrawingLayer layer;
    QPointF center;
    double radius;
    double startDeg;
    double endDeg;
};

struct DrawingCircle {
    DrawingLayer layer;
    QPointF center;
    double radius;
};

// A closed outline: the last point joins the first. A plain list of points (not QPolygonF, which
// is Qt Gui) keeps the drawing model, and the DXF written from it, on Qt Core.
using DrawingOutline = QList<QPointF>;

// A section's cut faces: closed boundaries, filled with 45° hatch lines.
struct DrawingHatch {
    QList<DrawingOutline> boundaries;
    double spacing; // mm between hatch lines
};

// A distance between two points measured along x (horizontal) or y (vertical), its dimension
// line passing through `linePos` (only the coordinate across the measuring direction counts).
struct LinearDimension {
    QPointF from;
    QPointF to;
    QPointF linePos;
    bool horizontal;
    QString text;    // "D=φ210", the value as the row holds it
    QPointF textPos; // the text's baseline middle; a vertical one reads upwards, left of it
};

// A diameter of a circle, its dimension line through the centre at angleDeg.
struct DiameterDimension {
    QPointF center;
    double radius;
    double angleDeg;
    QString text;
    QPointF textPos; // the text's baseline middle, the text reading along the line
};

enum class TextAnchor { Left, Center };

struct DrawingText {
    QPointF pos; // baseline start (Left) or baseline middle (Center)
    double height;
    QString text;
    TextAnchor anchor = TextAnchor::Left;
};

// The paper a drawing is plotted on and the scale it is plotted at.
struct DrawingPaper {
    QString name;      // "A4", "A3"
    QSizeF sizeMm;     // as laid: 210 × 297 portrait, 420 × 297 landscape
    double scale = 1;  // the denominator: 1 mm on paper is `scale` mm of the drawing
};

struct FlangeDrawing {
    QString title; // "带颈对焊法兰 WN PN1.6 DN100"
    QList<DrawingLine> lines;
    QList<DrawingArc> arcs;
    QList<DrawingCircle> circles;
    QList<DrawingHatch> hatches;
    QList<LinearDimension> linearDimensions;
    QList<DiameterDimension> diameterDimensions;
    QList<DrawingText> texts;
    double textHeight = 3.5; // dimension texts, in the drawing's units
    DrawingPaper paper;
    // Everything above, dimension texts included; on a sheet, the paper's trimmed edge.
    QRectF extents;
};
