#pragma once

#include "drawing/drawingmodel.h"

// Collects the entities of one drawing and keeps its extents. Texts are placed where they meet
// no other text, no outline, no centre line and no dimension or leader line: the first free
// place of a few candidates, in order of preference.
class DrawingBuilder
{
public:
    explicit DrawingBuilder(FlangeDrawing &drawing) : m_d(drawing) {}

    void line(DrawingLayer layer, QPointF a, QPointF b);
    // The line and its mirror image in the axis y = 0.
    void mirroredLine(DrawingLayer layer, QPointF a, QPointF b);
    void circle(DrawingLayer layer, QPointF c, double r);
    void arc(DrawingLayer layer, QPointF c, double r, double startDeg, double endDeg);
    void hatch(const QList<DrawingOutline> &boundaries);
    // A text at the drawing's text height, kept free from later texts.
    void text(QPointF pos, const QString &s, TextAnchor anchor = TextAnchor::Left);

    // A dimension's lines now, its text when every line is known (placeTexts()).
    void linear(QPointF from, QPointF to, QPointF linePos, bool horizontal, const QString &s);
    void diameter(QPointF c, double r, double angleDeg, const QString &s, QPointF textPos);
    // A text on a shelf at the end of a leader from `tip` out along `dir`: the first of the
    // leader lengths whose text is free, the shelf running left or right of the knee.
    void leader(QPointF tip, QPointF dir, const QList<double> &lengths, bool shelfLeft,
                const QString &s);
    // Each linear dimension's text: between its extension lines when it fits there, else
    // beyond either end.
    void placeTexts();

    // Whether a text at the drawing's height would stand there clear of every text, line and
    // outline so far.
    bool isFreeAt(QPointF pos, const QString &s, TextAnchor anchor, double angleDeg) const;

    double textHeight() const { return m_d.textHeight; }
    // Everything drawn so far, dimension lines included.
    QRectF extents() const { return m_d.extents; }
    double textWidth(const QString &s) const;

private:
    // `upright`: the text reads upwards (a vertical dimension's).
    bool isFree(const QRectF &textBox, bool upright) const;
    void keep(const QRectF &box);
    void grow(const QRectF &r);

    FlangeDrawing &m_d;
    QList<QRectF> m_placed;
    QList<QLineF> m_guides; // dimension, extension, leader and centre lines
};
