#include "drawing/drawinggeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace
{
constexpr double Degree = std::numbers::pi / 180.0;
}

double estimatedTextWidth(const QString &text, double height)
{
    // Latin letters and digits advance about 0.75 of the capital height in the export's faces,
    // Chinese characters a whole em (1.37 of it).
    double width = 0;
    for (QChar c : text)
        width += c.unicode() >= 0x2E80 ? 1.4 : 0.8;
    return width * height;
}

std::pair<double, double> glyphSpan(const QString &text)
{
    // Descenders are left out, as lettering is set on its capitals.
    double high = 0;
    for (QChar c : text) {
        if (c.isSpace())
            continue;
        const bool chinese = c.unicode() >= 0x2E80;
        const bool small = QStringView(u"acemnorsuvwxz:=-+.,×").contains(c);
        high = std::max(high, chinese ? 0.88 : small ? 0.72 : 1.0);
    }
    return {0.0, high > 0 ? high : 1.0};
}

QRectF turnedTextBox(QPointF pos, double width, double height, TextAnchor anchor, double angleDeg)
{
    const double a = angleDeg * Degree;
    const QPointF along(std::cos(a), std::sin(a)), up(-std::sin(a), std::cos(a));
    const double u0 = anchor == TextAnchor::Left ? 0 : -width / 2;
    double left = 1e300, right = -1e300, bottom = 1e300, top = -1e300;
    for (double u : {u0, u0 + width})
        for (double v : {-0.2 * height, height}) {
            const QPointF q = pos + along * u + up * v;
            left = std::min(left, q.x());
            right = std::max(right, q.x());
            bottom = std::min(bottom, q.y());
            top = std::max(top, q.y());
        }
    return QRectF(QPointF(left, bottom), QPointF(right, top));
}

double readableAngle(double angleDeg)
{
    while (angleDeg > 90)
        angleDeg -= 180;
    while (angleDeg < -90)
        angleDeg += 180;
    return angleDeg;
}

bool segmentMeetsBox(const QLineF &l, const QRectF &r)
{
    // Liang-Barsky: clip the segment's parameter range by each side of the box.
    double t0 = 0, t1 = 1;
    const double dx = l.dx(), dy = l.dy();
    const auto clip = [&](double p, double q) {
        if (p == 0)
            return q >= 0;
        const double u = q / p;
        if (p < 0) {
            if (u > t1)
                return false;
            t0 = std::max(t0, u);
        } else {
            if (u < t0)
                return false;
            t1 = std::min(t1, u);
        }
        return true;
    };
    return clip(-dx, l.x1() - r.left()) && clip(dx, r.right() - l.x1()) &&
           clip(-dy, l.y1() - r.top()) && clip(dy, r.bottom() - l.y1());
}

bool circleMeetsBox(QPointF c, double radius, const QRectF &r)
{
    const double nx = std::clamp(c.x(), r.left(), r.right()) - c.x();
    const double ny = std::clamp(c.y(), r.top(), r.bottom()) - c.y();
    double farthest = 0;
    for (QPointF q : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()})
        farthest = std::max(farthest, QLineF(c, q).length());
    return std::hypot(nx, ny) < radius && farthest > radius;
}

QList<QRectF> textBoxes(const FlangeDrawing &d)
{
    const double t = d.textHeight;
    QList<QRectF> boxes;
    for (const LinearDimension &dim : d.linearDimensions)
        boxes << turnedTextBox(dim.textPos, estimatedTextWidth(dim.text, t), t, TextAnchor::Center,
                               dim.horizontal ? 0 : 90);
    for (const DiameterDimension &dim : d.diameterDimensions)
        boxes << turnedTextBox(dim.textPos, estimatedTextWidth(dim.text, t), t, TextAnchor::Center,
                               readableAngle(dim.angleDeg));
    for (const DrawingText &text : d.texts)
        boxes << turnedTextBox(text.pos, estimatedTextWidth(text.text, text.height), text.height,
                               text.anchor, 0);
    return boxes;
}

bool boxMeetsOutline(const FlangeDrawing &d, const QRectF &box)
{
    for (const DrawingLine &l : d.lines)
        if (l.layer == DrawingLayer::Outline && segmentMeetsBox(l.line, box))
            return true;
    for (const DrawingCircle &c : d.circles)
        if (c.layer == DrawingLayer::Outline && circleMeetsBox(c.center, c.radius, box))
            return true;
    // A fillet's arc is short: its whole circle stands in for it.
    for (const DrawingArc &a : d.arcs)
        if (a.layer == DrawingLayer::Outline && circleMeetsBox(a.center, a.radius, box))
            return true;
    return false;
}

QRectF boundingRect(const DrawingOutline &outline)
{
    if (outline.isEmpty())
        return {};
    double left = outline[0].x(), right = left, top = outline[0].y(), bottom = top;
    for (const QPointF &p : outline) {
        left = std::min(left, p.x());
        right = std::max(right, p.x());
        top = std::min(top, p.y());
        bottom = std::max(bottom, p.y());
    }
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

QList<QLineF> hatchLines(const DrawingHatch &hatch)
{
    // Lines x − y = c (45°) at `spacing` apart across the boundaries' bounding box, cut where
    // they cross the boundaries; the pieces inside (even-odd) are kept.
    QRectF box;
    for (const DrawingOutline &p : hatch.boundaries)
        box = box.united(boundingRect(p));
    QList<QLineF> lines;
    const double step = hatch.spacing * std::numbers::sqrt2;
    const double first = std::floor((box.left() - box.bottom()) / step) * step;
    for (double c = first; c <= box.right() - box.top(); c += step) {
        QList<double> crossings; // x of each crossing
        for (const DrawingOutline &p : hatch.boundaries) {
            for (qsizetype i = 0; i < p.size(); ++i) {
                const QPointF a = p[i], z = p[(i + 1) % p.size()];
                const double fa = a.x() - a.y() - c, fz = z.x() - z.y() - c;
                if ((fa < 0) == (fz < 0))
                    continue;
                const double u = fa / (fa - fz);
                crossings << a.x() + (z.x() - a.x()) * u;
            }
        }
        std::sort(crossings.begin(), crossings.end());
        for (qsizetype i = 0; i + 1 < crossings.size(); i += 2)
            lines << QLineF(crossings[i], crossings[i] - c, crossings[i + 1], crossings[i + 1] - c);
    }
    return lines;
}
