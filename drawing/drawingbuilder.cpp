#include "drawing/drawingbuilder.h"

#include "drawing/drawinggeometry.h"

#include <algorithm>
#include <cmath>

void DrawingBuilder::line(DrawingLayer layer, QPointF a, QPointF b)
{
    m_d.lines.append({layer, QLineF(a, b)});
    grow(QRectF(a, b).normalized());
    if (layer == DrawingLayer::Dimensions || layer == DrawingLayer::Center)
        m_guides << QLineF(a, b);
}

void DrawingBuilder::mirroredLine(DrawingLayer layer, QPointF a, QPointF b)
{
    line(layer, a, b);
    line(layer, {a.x(), -a.y()}, {b.x(), -b.y()});
}

void DrawingBuilder::circle(DrawingLayer layer, QPointF c, double r)
{
    m_d.circles.append({layer, c, r});
    grow(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r));
}

void DrawingBuilder::arc(DrawingLayer layer, QPointF c, double r, double startDeg, double endDeg)
{
    m_d.arcs.append({layer, c, r, startDeg, endDeg});
    grow(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r));
}

void DrawingBuilder::hatch(const QList<DrawingOutline> &boundaries)
{
    m_d.hatches.append({boundaries, std::max(1.5, m_d.textHeight * 0.8)});
}

void DrawingBuilder::text(QPointF pos, const QString &s, TextAnchor anchor)
{
    m_d.texts.append({pos, m_d.textHeight, s, anchor});
    keep(turnedTextBox(pos, textWidth(s), m_d.textHeight, anchor, 0));
}

void DrawingBuilder::linear(QPointF from, QPointF to, QPointF linePos, bool horizontal,
                            const QString &s)
{
    m_d.linearDimensions.append({from, to, linePos, horizontal, s, {}});
    const QPointF a = horizontal ? QPointF(from.x(), linePos.y()) : QPointF(linePos.x(), from.y());
    const QPointF z = horizontal ? QPointF(to.x(), linePos.y()) : QPointF(linePos.x(), to.y());
    m_guides << QLineF(from, a) << QLineF(to, z) << QLineF(a, z);
    grow(QRectF(from, a).normalized().united(QRectF(to, z).normalized()));
}

void DrawingBuilder::diameter(QPointF c, double r, double angleDeg, const QString &s,
                              QPointF textPos)
{
    m_d.diameterDimensions.append({c, r, angleDeg, s, textPos});
    keep(turnedTextBox(textPos, textWidth(s), m_d.textHeight, TextAnchor::Center,
                       readableAngle(angleDeg)));
}

void DrawingBuilder::leader(QPointF tip, QPointF dir, const QList<double> &lengths, bool shelfLeft,
                            const QString &s)
{
    const double t = m_d.textHeight, w = textWidth(s);
    const auto at = [&](double length) {
        const QPointF knee = tip + dir * length;
        return std::pair{knee, knee + QPointF(shelfLeft ? -w : 0, 0.3 * t)};
    };
    auto [knee, pos] = at(lengths.first());
    // The lengths asked for first, then longer ones until the text stands free.
    QList<double> tried = lengths;
    for (int step = 1; step <= 60; ++step)
        tried << lengths.last() + step * t;
    for (double length : tried) {
        const auto [k, p] = at(length);
        if (isFree(turnedTextBox(p, w, t, TextAnchor::Left, 0), false)) {
            knee = k;
            pos = p;
            break;
        }
    }
    line(DrawingLayer::Dimensions, tip, knee);
    line(DrawingLayer::Dimensions, knee, knee + QPointF(shelfLeft ? -w : w, 0));
    text(pos, s);
}

void DrawingBuilder::placeTexts()
{
    const double t = m_d.textHeight;
    for (LinearDimension &dim : m_d.linearDimensions) {
        const double w = textWidth(dim.text);
        const bool h = dim.horizontal;
        const double lo =
            h ? std::min(dim.from.x(), dim.to.x()) : std::min(dim.from.y(), dim.to.y());
        const double hi =
            h ? std::max(dim.from.x(), dim.to.x()) : std::max(dim.from.y(), dim.to.y());
        const double across = h ? dim.linePos.y() + 0.3 * t : dim.linePos.x() - 0.3 * t;
        // Between the extension lines: the middle, else nearer either end (off a centre line
        // through the middle); beyond the ends: next to either, else the nearest free place
        // further out, past a neighbour's extension line.
        const double room = hi - lo - w - 2 * t;
        const double between = (lo + hi) / 2, after = hi + t + w / 2, before = lo - t - w / 2;
        QList<double> outside;
        for (double out = 0; out <= 4 * w + 12 * t; out += t / 2)
            outside << after + out << before - out;
        QList<double> alongs;
        if (room >= 0)
            alongs << between << between + room / 2 << between - room / 2 << outside;
        else
            alongs << outside << between;
        const auto posAt = [&](double along) {
            return h ? QPointF(along, across) : QPointF(across, along);
        };
        dim.textPos = posAt(alongs.first());
        for (double along : alongs) {
            if (isFree(turnedTextBox(posAt(along), w, t, TextAnchor::Center, h ? 0 : 90), !h)) {
                dim.textPos = posAt(along);
                break;
            }
        }
        keep(turnedTextBox(dim.textPos, w, t, TextAnchor::Center, h ? 0 : 90));
    }
}

bool DrawingBuilder::isFreeAt(QPointF pos, const QString &s, TextAnchor anchor,
                              double angleDeg) const
{
    return isFree(turnedTextBox(pos, textWidth(s), m_d.textHeight, anchor, angleDeg),
                  std::abs(angleDeg) > 45);
}

double DrawingBuilder::textWidth(const QString &s) const
{
    return estimatedTextWidth(s, m_d.textHeight);
}

bool DrawingBuilder::isFree(const QRectF &textBox, bool upright) const
{
    // Air before and after the text, so that it does not touch a line it ends next to; none
    // across it, where its own dimension line or shelf runs close by.
    const double air = 0.3 * m_d.textHeight;
    const QRectF box =
        upright ? textBox.adjusted(0, -air, 0, air) : textBox.adjusted(-air, 0, air, 0);
    for (const QRectF &p : m_placed)
        if (box.intersects(p))
            return false;
    for (const QLineF &l : m_guides)
        if (segmentMeetsBox(l, box))
            return false;
    return !boxMeetsOutline(m_d, box);
}

void DrawingBuilder::keep(const QRectF &box)
{
    m_placed << box;
    grow(box);
}

void DrawingBuilder::grow(const QRectF &r)
{
    m_d.extents = m_d.extents.isNull() ? r : m_d.extents.united(r);
}
