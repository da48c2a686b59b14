#include "exports/flangedrawing.h"

#include "catalogue/flangeinput.h"
#include "core/values/valuetext.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace
{

constexpr double Degree = std::numbers::pi / 180.0;
// The weld bevel's surface stands at this angle to the flange face.
constexpr double BevelAngleDeg = 50.0;

QString diameterText(const QString &symbol, double value)
{
    return symbol + QStringLiteral("=φ") + millimetres(value);
}

QString lengthText(const QString &symbol, double value)
{
    return symbol + QLatin1Char('=') + millimetres(value);
}

// The box a text covers: `pos` its baseline's left end or middle, the text turned by angleDeg
// (counter-clockwise), its glyphs from a fifth of its height below the baseline to its height.
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

// A diameter's text reads along its line, turned so that it never reads downwards.
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

// Collects the entities of one drawing and keeps its extents. Texts are placed where they meet
// no other text, no outline and no dimension or leader line: the first free place of a few
// candidates, in order of preference.
class Builder
{
public:
    Builder(FlangeDrawing &drawing) : m_d(drawing) {}

    void line(DrawingLayer layer, QPointF a, QPointF b)
    {
        m_d.lines.append({layer, QLineF(a, b)});
        grow(QRectF(a, b).normalized());
        if (layer == DrawingLayer::Dimensions)
            m_guides << QLineF(a, b);
    }
    // The line and its mirror image in the axis y = 0.
    void mirroredLine(DrawingLayer layer, QPointF a, QPointF b)
    {
        line(layer, a, b);
        line(layer, {a.x(), -a.y()}, {b.x(), -b.y()});
    }
    void circle(DrawingLayer layer, QPointF c, double r)
    {
        m_d.circles.append({layer, c, r});
        grow(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r));
    }
    void arc(DrawingLayer layer, QPointF c, double r, double startDeg, double endDeg)
    {
        m_d.arcs.append({layer, c, r, startDeg, endDeg});
        grow(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r));
    }
    void text(QPointF pos, const QString &s, TextAnchor anchor = TextAnchor::Left)
    {
        m_d.texts.append({pos, m_d.textHeight, s, anchor});
        keep(turnedTextBox(pos, textWidth(s), m_d.textHeight, anchor, 0));
    }
    // A dimension's lines now, its text when every line is known (placeTexts()).
    void linear(QPointF from, QPointF to, QPointF linePos, bool horizontal, const QString &s)
    {
        m_d.linearDimensions.append({from, to, linePos, horizontal, s, {}});
        const QPointF a =
            horizontal ? QPointF(from.x(), linePos.y()) : QPointF(linePos.x(), from.y());
        const QPointF z = horizontal ? QPointF(to.x(), linePos.y()) : QPointF(linePos.x(), to.y());
        m_guides << QLineF(from, a) << QLineF(to, z) << QLineF(a, z);
        grow(QRectF(from, a).normalized().united(QRectF(to, z).normalized()));
    }
    void diameter(QPointF c, double r, double angleDeg, const QString &s, QPointF textPos)
    {
        m_d.diameterDimensions.append({c, r, angleDeg, s, textPos});
        keep(turnedTextBox(textPos, textWidth(s), m_d.textHeight, TextAnchor::Center,
                           readableAngle(angleDeg)));
    }
    // A text on a shelf at the end of a leader from `tip` out along `dir`: the first of the
    // leader lengths whose text is free, the shelf running left or right of the knee.
    void leader(QPointF tip, QPointF dir, const QList<double> &lengths, bool shelfLeft,
                const QString &s)
    {
        const double t = m_d.textHeight, w = textWidth(s);
        const auto at = [&](double length) {
            const QPointF knee = tip + dir * length;
            return std::pair{knee, knee + QPointF(shelfLeft ? -w : 0, 0.3 * t)};
        };
        auto [knee, pos] = at(lengths.first());
        for (double length : lengths) {
            const auto [k, p] = at(length);
            if (isFree(turnedTextBox(p, w, t, TextAnchor::Left, 0))) {
                knee = k;
                pos = p;
                break;
            }
        }
        line(DrawingLayer::Dimensions, tip, knee);
        line(DrawingLayer::Dimensions, knee, knee + QPointF(shelfLeft ? -w : w, 0));
        text(pos, s);
    }
    // Each dimension's text: between its extension lines when it fits there, else beyond
    // either end.
    void placeTexts()
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
            QList<double> alongs;
            const double between = (lo + hi) / 2, after = hi + t + w / 2, before = lo - t - w / 2;
            if (hi - lo >= w + 2 * t)
                alongs << between << after << before;
            else
                alongs << after << before << between;
            const auto posAt = [&](double along) {
                return h ? QPointF(along, across) : QPointF(across, along);
            };
            dim.textPos = posAt(alongs.first());
            for (double along : alongs) {
                if (isFree(turnedTextBox(posAt(along), w, t, TextAnchor::Center, h ? 0 : 90))) {
                    dim.textPos = posAt(along);
                    break;
                }
            }
            keep(turnedTextBox(dim.textPos, w, t, TextAnchor::Center, h ? 0 : 90));
        }
    }
    void hatch(const QList<DrawingOutline> &boundaries)
    {
        m_d.hatches.append({boundaries, std::max(1.5, m_d.textHeight * 0.8)});
    }
    double textWidth(const QString &s) const { return estimatedTextWidth(s, m_d.textHeight); }
    QRectF extents() const { return m_d.extents; }

    // Meets no text placed so far, no outline, no dimension or leader line.
    bool isFree(const QRectF &box) const
    {
        for (const QRectF &p : m_placed)
            if (box.intersects(p))
                return false;
        for (const QLineF &l : m_guides)
            if (segmentMeetsBox(l, box))
                return false;
        return !boxMeetsOutline(m_d, box);
    }

private:
    void keep(const QRectF &box)
    {
        m_placed << box;
        grow(box);
    }
    void grow(const QRectF &r) { m_d.extents = m_d.extents.isNull() ? r : m_d.extents.united(r); }
    FlangeDrawing &m_d;
    QList<QRectF> m_placed;
    QList<QLineF> m_guides;
};

// The sizes of one flange the views are drawn from.
struct Sizes {
    double d = 0, k = 0, c = 0, bore = 0, l = 0;
    int n = 0;
};

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

void drawFaceView(Builder &b, const FlangeRecord &r, const Sizes &s, double t)
{
    const QPointF o(0, 0);
    b.circle(DrawingLayer::Outline, o, s.d / 2);
    b.circle(DrawingLayer::Outline, o, s.bore / 2);
    // Seen from the hub side: the hub where it meets the ring, and the weld end.
    if (r.hubDiameter)
        b.circle(DrawingLayer::Outline, o, *r.hubDiameter / 2);
    if (r.weldEndDiameter)
        b.circle(DrawingLayer::Outline, o, *r.weldEndDiameter / 2);
    b.circle(DrawingLayer::Center, o, s.k / 2);

    const double reach = s.d / 2 + 2 * t;
    b.line(DrawingLayer::Center, {-reach, 0}, {reach, 0});
    b.line(DrawingLayer::Center, {0, -reach}, {0, reach});

    // The holes straddle the centre lines: the first one half a pitch round from the x axis.
    const double pitch = 360.0 / s.n;
    for (int i = 0; i < s.n; ++i) {
        const double a = (pitch / 2 + pitch * i) * Degree;
        const QPointF c(s.k / 2 * std::cos(a), s.k / 2 * std::sin(a));
        const QPointF radial(std::cos(a), std::sin(a));
        const QPointF across(-std::sin(a), std::cos(a));
        const double mark = s.l / 2 + t / 2;
        b.circle(DrawingLayer::Outline, c, s.l / 2);
        b.line(DrawingLayer::Center, c - radial * mark, c + radial * mark);
        b.line(DrawingLayer::Center, c - across * mark, c + across * mark);
    }

    const double gap = 2.5 * t;
    b.linear({-s.d / 2, 0}, {s.d / 2, 0}, {0, s.d / 2 + gap}, true,
             diameterText(QStringLiteral("D"), s.d));
    b.linear({-s.k / 2, 0}, {s.k / 2, 0}, {0, -s.d / 2 - gap}, true,
             diameterText(QStringLiteral("K"), s.k));
    // The bore's diameter along the horizontal centre line, its text inside the bore; a bore
    // too small for it gets its text on a leader out past the rim, lower left.
    const QString boreText = diameterText(QStringLiteral("B"), s.bore);
    const double boreWidth = b.textWidth(boreText);
    if (std::hypot(boreWidth / 2, 1.3 * t) <= s.bore / 2 - 0.2 * t) {
        b.diameter(o, s.bore / 2, 0.0, boreText, {0, 0.3 * t});
    } else {
        const QPointF down(-std::numbers::sqrt2 / 2, -std::numbers::sqrt2 / 2);
        b.leader(down * (s.bore / 2), down,
                 {(s.d - s.bore) / 2 + 2 * t, (s.d - s.bore) / 2 + 4 * t}, true, boreText);
    }

    // The hole callout on a leader from the upper left hole out past the rim, away from the
    // section on the right.
    const double a = (180.0 - pitch / 2) * Degree;
    const QPointF dir(std::cos(a), std::sin(a));
    const QString callout = QStringLiteral("n-φL=") + r.callout;
    const double past = (s.d - s.k - s.l) / 2;
    b.leader(dir * ((s.k + s.l) / 2), dir, {past + 1.5 * t, past + 3 * t, past + 5 * t}, true,
             callout);
}

// The upper half of the section's cut faces, as closed outlines. The bolt holes are turned
// into the cutting plane, as flange drawings show them, so the ring is cut twice.
struct HalfSection {
    QList<DrawingOutline> faces;
    QList<Fillet> fillets;
};

HalfSection plateHalf(const FlangeRecord &r, const Sizes &s, double x0)
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
HalfSection hubbedHalf(const FlangeRecord &r, const Sizes &s, double x0)
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
void drawHalfOutline(Builder &b, const HalfSection &half, double filletRadius, bool lower)
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

void drawSection(Builder &b, const FlangeRecord &r, const Sizes &s, double x0, double t)
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
    b.line(DrawingLayer::Center, {x0 - 2 * t, 0}, {xEnd + 2 * t, 0});
    b.mirroredLine(DrawingLayer::Center, {x0 - t, s.k / 2}, {x0 + s.c + t, s.k / 2});

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
    if (r.wallThickness && r.weldEndDiameter) {
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
    if (r.neckHeight && r.weldEndDiameter)
        b.linear({xEnd - *r.neckHeight, *r.weldEndDiameter / 2}, {xEnd, *r.weldEndDiameter / 2},
                 {0, top + 3 * gap}, true, lengthText(QStringLiteral("h"), *r.neckHeight));
    // The fillet's radius on a leader from the middle of its arc out into the corner's air.
    for (const Fillet &f : half.fillets) {
        QPointF out = f.center - (f.onU + f.onV) / 2;
        out /= std::hypot(out.x(), out.y());
        QList<double> lengths;
        for (int step = 2; step <= 24; ++step)
            lengths << fr + step * t;
        b.leader(f.center - out * fr, out, lengths, false, lengthText(QStringLiteral("R"), fr));
    }
}

void drawTitleBlock(Builder &b, const QList<TitleRow> &rows, double t)
{
    const QRectF views = b.extents();
    const double rowHeight = 2 * t;
    double labelWidth = 0, valueWidth = 0;
    for (const TitleRow &row : rows) {
        labelWidth = std::max(labelWidth, b.textWidth(row.label) + 2 * t);
        valueWidth = std::max(valueWidth, b.textWidth(row.value) + 2 * t);
    }
    const double width = labelWidth + valueWidth;
    const double left = views.right() - width;
    const double top = views.top() - 2 * t; // below the views (y up)
    const double bottom = top - rowHeight * rows.size();
    for (int i = 0; i <= rows.size(); ++i)
        b.line(DrawingLayer::Outline, {left, top - i * rowHeight},
               {left + width, top - i * rowHeight});
    for (double x : {left, left + labelWidth, left + width})
        b.line(DrawingLayer::Outline, {x, top}, {x, bottom});
    for (int i = 0; i < rows.size(); ++i) {
        const double baseline = top - (i + 1) * rowHeight + t / 2;
        b.text({left + t, baseline}, rows[i].label);
        b.text({left + labelWidth + t, baseline}, rows[i].value);
    }
}

// The smallest rectangle holding every point of the outline (as QPolygonF::boundingRect).
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

} // namespace

double estimatedTextWidth(const QString &text, double height)
{
    // Latin letters and digits advance about 0.75 of the capital height in the export's faces,
    // Chinese characters a whole em (1.37 of it).
    double width = 0;
    for (QChar c : text)
        width += c.unicode() >= 0x2E80 ? 1.4 : 0.8;
    return width * height;
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

QString millimetres(double value)
{
    return plainNumberText(value);
}

double drawnBore(const FlangeRecord &record)
{
    if (record.kind == FlangeKind::WeldNeck)
        return record.weldEndDiameter.value_or(0) - 2 * record.wallThickness.value_or(0);
    return record.bore.value_or(0);
}

QList<TitleRow> titleBlockRows(const FlangeRecord &r, const QString &scaleText)
{
    const std::optional<double> pipe =
        r.kind == FlangeKind::WeldNeck ? r.weldEndDiameter : r.pipeOutsideDiameter;
    return {
        {QStringLiteral("名称"),
         kindChineseName(r.kind) + QStringLiteral("法兰 ") + kindCode(r.kind)},
        {QStringLiteral("公称压力"),
         QStringLiteral("PN") + r.pressureText + QStringLiteral(" MPa")},
        {QStringLiteral("公称通径"), QStringLiteral("DN") + QString::number(r.dn)},
        {QStringLiteral("系列"), seriesText(r.series)},
        {QStringLiteral("管子外径"), pipe ? millimetres(*pipe) + QStringLiteral(" mm") : "-"},
        {QStringLiteral("螺栓"), r.callout + QLatin1Char(' ') + r.bolt},
        {QStringLiteral("净重"), r.weightText.trimmed().isEmpty() || !r.weightKg
                                     ? QStringLiteral("-")
                                     : r.weightText.trimmed() + QStringLiteral(" kg")},
        {QStringLiteral("比例"), scaleText},
    };
}

FlangeDrawing buildFlangeDrawing(const FlangeRecord &record, const DrawingStyle &style)
{
    FlangeDrawing drawing;
    drawing.textHeight = style.textHeight;
    drawing.title = kindChineseName(record.kind) + QStringLiteral("法兰 ") + kindCode(record.kind) +
                    QStringLiteral(" PN") + record.pressureText + QStringLiteral(" DN") +
                    QString::number(record.dn);
    Sizes s;
    s.d = record.outsideDiameter.value_or(0);
    s.k = record.boltCircle.value_or(0);
    s.c = record.thickness.value_or(0);
    s.bore = drawnBore(record);
    s.l = record.holeDiameter;
    s.n = std::max(record.holeCount, 1);

    const double t = style.textHeight;
    Builder b(drawing);
    drawFaceView(b, record, s, t);
    // The section stands right of the face view, clear of its own dimension lines on its left.
    const double x0 = s.d / 2 + 7 * t;
    drawSection(b, record, s, x0, t);
    b.placeTexts();
    if (style.titleBlock)
        drawTitleBlock(b, titleBlockRows(record, QStringLiteral("1:1")), t);
    drawing.extents.adjust(-t, -t, t, t);
    return drawing;
}

QList<double> standardScales()
{
    QList<double> scales;
    for (double decade : {1.0, 10.0})
        for (double step : {1.0, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0})
            scales << step * decade;
    scales << 100.0;
    return scales;
}

QString scaleText(double denominator)
{
    return QStringLiteral("1:") + QString::number(denominator, 'g', 6);
}

FlangeDrawing buildCadDrawing(const FlangeRecord &record)
{
    const QSizeF a3(400, 277); // the A3 sheet's drawing area, landscape
    FlangeDrawing drawing;
    for (double scale : standardScales()) {
        drawing = buildFlangeDrawing(record, {3.5 * scale, true});
        const QSizeF plotted = drawing.extents.size() / scale;
        if (plotted.width() <= a3.width() && plotted.height() <= a3.height())
            break;
    }
    return drawing;
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
