#pragma once

#include "catalogue/catalogue.h"

#include <QLineF>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>

// A true-scale drawing of one flange as neutral geometry in millimetres, y pointing up (as in
// CAD). It is built once from a catalogue row; the DXF, SVG and PDF writers only translate it.

enum class DrawingLayer { Outline, Center, Hatch, Dimensions, Text };

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
    QString text;    // "D 210", the value as the row holds it
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

struct FlangeDrawing {
    QString title; // "带颈对焊法兰 WN PN1.6 DN100"
    QList<DrawingLine> lines;
    QList<DrawingArc> arcs;
    QList<DrawingCircle> circles;
    QList<DrawingHatch> hatches;
    QList<LinearDimension> linearDimensions;
    QList<DiameterDimension> diameterDimensions;
    QList<DrawingText> texts;
    double textHeight = 3.5; // mm, dimension and title text
    QRectF extents;          // everything above, dimension texts included
};

// A text's width in drawing units, estimated from its characters: what the layout keeps apart.
double estimatedTextWidth(const QString &text, double height);

// The boxes every text of the drawing covers (dimension texts, callouts, title block), in the
// order the drawing holds them.
QList<QRectF> textBoxes(const FlangeDrawing &drawing);

// Whether `box` meets a line, circle or arc of the part's outline (the title block's included).
bool boxMeetsOutline(const FlangeDrawing &drawing, const QRectF &box);

// One row of the title block: "公称通径", "DN100".
struct TitleRow {
    QString label;
    QString value;
};
QList<TitleRow> titleBlockRows(const FlangeRecord &record, const QString &scaleText);

struct DrawingStyle {
    double textHeight = 3.5; // mm in the drawing's own units
    bool titleBlock = true;  // the data sheet draws its own at page size
};

// The face view (left) and the section through the axis (right) of `record`, with centre lines,
// dimensions carrying the row's values and, when asked, a title block at scale 1:1. Only sizes
// the row holds are drawn.
FlangeDrawing buildFlangeDrawing(const FlangeRecord &record, const DrawingStyle &style);

// The drawing for a CAD file: true scale, its text sized to read well when the drawing is
// plotted at the largest standard scale that fits an A3 sheet.
FlangeDrawing buildCadDrawing(const FlangeRecord &record);

// The reduction scales of technical drawings (GB/T 14690, preferred and allowed), as their
// denominators, ascending: 1, 1.5, 2, 2.5, 3, 4, 5, 6, 10, 15 … 100.
QList<double> standardScales();
// "1:2.5".
QString scaleText(double denominator);

// The bore drawn for a record: B for plate and slip-on, A − 2S for weld-neck.
double drawnBore(const FlangeRecord &record);

// The 45° hatch lines that fill `hatch`, clipped to its boundaries (even-odd).
QList<QLineF> hatchLines(const DrawingHatch &hatch);

// A length as the row holds it: "210", "17.2".
QString millimetres(double value);
