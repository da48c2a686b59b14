#pragma once

#include "drawing/drawingmodel.h"

#include <utility>

// The geometry the layout and the writers share: how much room a text takes, whether a box
// meets a line or a circle, and the hatch lines that fill a section.

// A text's width in drawing units, estimated from its characters: what the layout keeps apart.
double estimatedTextWidth(const QString &text, double height);

// How far a text's glyphs reach below and above its baseline, in text heights, descenders left
// out: capitals and digits stand from 0 to 1, Chinese characters from 0 to 0.88.
std::pair<double, double> glyphSpan(const QString &text);

// The box a text covers: `pos` its baseline's left end or middle, the text turned by angleDeg
// (counter-clockwise), its glyphs from a fifth of its height below the baseline to its height.
QRectF turnedTextBox(QPointF pos, double width, double height, TextAnchor anchor, double angleDeg);

// A diameter's text reads along its line, turned so that it never reads downwards.
double readableAngle(double angleDeg);

bool segmentMeetsBox(const QLineF &line, const QRectF &box);
// Whether the circle's line (not its inside) passes through the box.
bool circleMeetsBox(QPointF center, double radius, const QRectF &box);

// The boxes every text of the drawing covers (dimension texts, callouts, title block), in the
// order the drawing holds them.
QList<QRectF> textBoxes(const FlangeDrawing &drawing);

// Whether `box` meets a line, circle or arc of the part's outline.
bool boxMeetsOutline(const FlangeDrawing &drawing, const QRectF &box);

// The smallest rectangle holding every point of the outline.
QRectF boundingRect(const DrawingOutline &outline);

// The 45° hatch lines that fill `hatch`, clipped to its boundaries (even-odd).
QList<QLineF> hatchLines(const DrawingHatch &hatch);
