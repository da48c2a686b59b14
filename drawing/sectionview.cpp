#include "drawing/flangeviews.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace
{

constexpr double Degree = std::numbers::pi / 180.0;
// The weld bevel's surface stands at this angle to the flange face.
constexpr double BevelAngleDeg = 50.0;

// A round between two straight edges meeting at `corner`, running along unit directions u
// and v away from it: its centre, its tangent points and its arc (counter-clockwise).
struct Fillet {
    QPointF center, onU, onV;
    double startDeg, endDeg;
};

Fillet filletAt(QPointF corner, QPointF u, QPointF v, double r)
{
    const double between = std::acos(std::clamp(u.x() * v.x() + u.y() * v.y(), -1.0, 1.0));
    const double along = r / std::tan(between / 2);
    QPointF bisector = u + v;
    bisector /= std::hypot(bisector.x(), bisector.y());
    Fillet f;
    f.center = corner + bisector * (r / std::sin(between / 2));
    f.onU = corner + u * along;
    f.onV = corner + v * along;
    double a1 = std::atan2(f.onU.y() - f.center.y(), f.onU.x() - f.center.x()) / Degree;
    double a2 = std::atan2(f.onV.y() - f.center.y(), f.onV.x() - f.center.x()) / Degree;
    // The fillet's arc is the short way round.
    double sweep = std::fmod(a2 - a1 + 720.0, 360.0);
    if (sweep > 180.0)
        std::swap(a1, a2);
    f.startDeg = a1;
    f.endDeg = a2;
    return f;
}

DrawingOutline filletPoints(const Fillet &f, double r)
{
    DrawingOutline points;
    double sweep = std::fmod(f.endDeg - f.startDeg + 720.0, 360.0);
    for (int i = 0; i <= 8; ++i) {
        const double a = (f.startDeg + sweep * i / 8) * Degree;
        points << f.center + QPointF(std::cos(a), std::sin(a)) * r;
    }
    return points;
}

DrawingOutline mirrored(const DrawingOutline &p)
{
    DrawingOutline m;
    for (const QPointF &q : p)
        m << QPointF(q.x(), -q.y());
    return m;
}

// The upper half of the section's cut faces, as closed outlines. The bolt holes are turned
// into the cutting plane, as flange drawings show them, so the ring is cut twice.
struct HalfSection {
    QList<DrawingOutline> faces;
    QList<Fillet> fillets;
};

HalfSection plateHalf(const FlangeRecord &r, const FlangeSizes &s, double x0)
{
    const double x1 = x0 + s.c;
    const double holeLow = s.k / 2 - s.l / 2, holeHigh = s.k / 2 + s.l / 2;
    DrawingOutline inner;
    inner << QPointF(x0, s.bore / 2) << QPointF(x0, holeLow) << QPointF(x1, holeLow);
    const double b = r.bevelWidth.value_or(0);
    if (b > 0 && b < holeLow - s.bore / 2) {
        const double depth = std::min(b * std::tan(BevelAngleDeg * Degree), s.c);
        inner << QPointF(x1, s.bore / 2 + b) << QPointF(x1 - depth, s.bore / 2);
    } else {
        inner << QPointF(x1, s.bore / 2);
    }
    DrawingOutline outer;
    outer << QPointF(x0, holeHigh) << QPointF(x0, s.d / 2) << QPointF(x1, s.d / 2)
          << QPointF(x1, holeHigh);
    return {{inner, outer}, {}};
}

// Slip-on and weld-neck: the ring, then the hub from its root (diameter N at the ring's back
// face) to the end at height H, tapering to the weld end A over all but the neck h.
HalfSection hubbedHalf(const FlangeRecord &r, const FlangeSizes &s, double x0)
{
    const double x1 = x0 + s.c;
    const double xEnd = x0 + r.overallHeight.value_or(s.c);
    const double root = r.hubDiameter.value_or(s.bore) / 2;
    const double holeLow = s.k / 2 - s.l / 2, holeHigh = s.k / 2 + s.l / 2;
    const bool weldNeck = r.kind == FlangeKind::WeldNeck;
    const double endRadius = weldNeck ? r.weldEndDiameter.value_or(2 * root) / 2 : root;
    const double neckStart = weldNeck ? xEnd - r.neckHeight.value_or(0) : x1;

    HalfSection half;
    DrawingOutline inner;
    inner << QPointF(x0, s.bore / 2) << QPointF(x0, holeLow) << QPointF(x1, holeLow);
    const QPointF rootCorner(x1, root);
    const QPointF taperEnd = weldNeck ? QPointF(neckStart, endRadius) : QPointF(xEnd, root);
    const double fr = r.filletRadius.value_or(0);
    if (fr > 0) {
        QPointF along = taperEnd - rootCorner;
        along /= std::hypot(along.x(), along.y());
        const Fillet f = filletAt(rootCorner, {0, 1}, along, fr);
        half.fillets << f;
        DrawingOutline arc = filletPoints(f, fr);
        // From the back face down round the fillet onto the hub.
        if (QLineF(arc.first(), f.onU).length() > QLineF(arc.last(), f.onU).length())
            std::reverse(arc.begin(), arc.end());
        inner << arc;
    } else {
        inner << rootCorner;
    }
    if (weldNeck)
        inner << taperEnd;
    inner << QPointF(xEnd, endRadius);
    const double b = r.bevelWidth.value_or(0);
    if (!weldNeck && b > 0 && b < endRadius - s.bore / 2) {
        const double depth = b * std::tan(BevelAngleDeg * Degree);
        inner << QPointF(xEnd, s.bore / 2 + b) << QPointF(xEnd - depth, s.bore / 2);
    } else {
        inner << QPointF(xEnd, s.bore / 2);
    }
    DrawingOutline outer;
    outer << QPointF(x0, holeHigh) << QPointF(x0, s.d / 2) << QPointF(x1, s.d / 2)
          << QPointF(x1, holeHigh);
    half.faces = {inner, outer};
    return half;
}

// Draws one half's outline without the fillet's chord points: straight edges as lines, the
// fillet as an arc.
void drawHalfOutline(DrawingBuilder &b, const HalfSection &half, double filletRadius, bool lower)
{
    for (const DrawingOutline &face : half.faces) {
        const DrawingOutline p = lower ? mirrored(face) : face;
        for (qsizetype i = 0; i < p.size(); ++i) {
            const QPointF a = p[i], z = p[(i + 1) % p.size()];
            bool onFillet = false;
            for (const Fillet &f : half.fillets) {
                const QPointF c = lower ? QPointF(f.center.x(), -f.center.y()) : f.center;
                const auto near = [&](QPointF q) {
                    return std::abs(QLineF(q, c).length() - filletRadius) < 1e-6;
                };
                onFillet = onFillet || (near(a) && near(z));
            }
            if (!onFillet)
                b.line(DrawingLayer::Outline, a, z);
        }
    }
    for (const Fillet &f : half.fillets) {
        if (lower)
            b.arc(DrawingLayer::Outline, {f.center.x(), -f.center.y()}, filletRadius, -f.endDeg,
                  -f.startDeg);
        else
            b.arc(DrawingLayer::Outline, f.center, filletRadius, f.startDeg, f.endDeg);
    }
}

} // namespace

QList<DrawingOutline> upperSectionFaces(const FlangeRecord &r, const FlangeSizes &s, double x0)
{
    return (r.kind == FlangeKind::Plate ? plateHalf(r, s, x0) : hubbedHalf(r, s, x0)).faces;
}

void drawSection(DrawingBuilder &b, const FlangeRecord &r, const FlangeSizes &s, double x0,
                 double t, bool hubInDetail)
{
    const double gap = 2.5 * t;
    const bool plate = r.kind == FlangeKind::Plate;
    const HalfSection half = plate ? plateHalf(r, s, x0) : hubbedHalf(r, s, x0);
    const double fr = r.filletRadius.value_or(0);
    drawHalfOutline(b, half, fr, false);
    drawHalfOutline(b, half, fr, true);
    QList<DrawingOutline> boundaries;
    for (const DrawingOutline &face : half.faces)
        boundaries << face << mirrored(face);
    b.hatch(boundaries);

    const double xEnd = plate ? x0 + s.c : x0 + r.overallHeight.value_or(s.c);
    // The bore seen through the cut, and the axis and hole centre lines.
    b.mirroredLine(DrawingLayer::Outline, {x0, s.bore / 2}, {xEnd, s.bore / 2});
    b.line(DrawingLayer::Center, {x0 - 0.8 * t, 0}, {xEnd + 0.8 * t, 0});
    b.mirroredLine(DrawingLayer::Center, {x0 - 0.8 * t, s.k / 2}, {x0 + s.c + 0.8 * t, s.k / 2});

    const double top = s.d / 2;
    b.linear({x0, top}, {x0 + s.c, top}, {0, top + gap}, true,
             lengthText(QStringLiteral("C"), s.c));
    b.linear({x0, s.bore / 2}, {x0, -s.bore / 2}, {x0 - gap, 0}, false,
             diameterText(QStringLiteral("B"), s.bore));
    b.linear({x0, s.k / 2}, {x0, -s.k / 2}, {x0 - 2 * gap, 0}, false,
             diameterText(QStringLiteral("K"), s.k));

    int column = 1; // dimension lines right of the section, innermost first
    const auto rightOf = [&]() { return QPointF(xEnd + gap * column++, 0); };
    if (r.bevelWidth && plate) {
        b.linear({xEnd, s.bore / 2}, {xEnd, s.bore / 2 + *r.bevelWidth}, rightOf(), false,
                 lengthText(QStringLiteral("b"), *r.bevelWidth));
    }
    if (r.wallThickness && r.weldEndDiameter && !hubInDetail) {
        const double a = *r.weldEndDiameter / 2;
        b.linear({xEnd, -a}, {xEnd, -a + *r.wallThickness}, rightOf(), false,
                 lengthText(QStringLiteral("S"), *r.wallThickness));
    }
    if (r.weldEndDiameter) {
        const double a = *r.weldEndDiameter / 2;
        b.linear({xEnd, a}, {xEnd, -a}, rightOf(), false,
                 diameterText(QStringLiteral("A"), *r.weldEndDiameter));
    }
    if (r.hubDiameter) {
        const double n = *r.hubDiameter / 2;
        b.linear({x0 + s.c, n}, {x0 + s.c, -n}, rightOf(), false,
                 diameterText(QStringLiteral("N"), *r.hubDiameter));
    }
    if (r.bevelWidth && !plate) {
        const double root = r.hubDiameter.value_or(s.bore) / 2;
        if (*r.bevelWidth < root - s.bore / 2)
            b.linear({xEnd, -s.bore / 2}, {xEnd, -s.bore / 2 - *r.bevelWidth}, rightOf(), false,
                     lengthText(QStringLiteral("b"), *r.bevelWidth));
    }
    // The axial sizes stacked above the section, shortest nearest.
    if (r.overallHeight)
        b.linear({x0, top}, {xEnd, r.hubDiameter.value_or(0) / 2}, {0, top + 2 * gap}, true,
                 lengthText(QStringLiteral("H"), *r.overallHeight));
    if (r.neckHeight && r.weldEndDiameter && !hubInDetail)
        b.linear({xEnd - *r.neckHeight, *r.weldEndDiameter / 2}, {xEnd, *r.weldEndDiameter / 2},
                 {0, top + 3 * gap}, true, lengthText(QStringLiteral("h"), *r.neckHeight));
    // The fillet's radius on a leader from the middle of its arc out into the corner's air.
    for (const Fillet &f : hubInDetail ? QList<Fillet>() : half.fillets) {
        QPointF out = f.center - (f.onU + f.onV) / 2;
        out /= std::hypot(out.x(), out.y());
        QList<double> lengths;
        for (int step = 2; step <= 24; ++step)
            lengths << fr + step * t;
        b.leader(f.center - out * fr, out, lengths, false, lengthText(QStringLiteral("R"), fr));
    }
}
