#include "drawing/flangeviews.h"

#include "catalogue/classseries.h"

#include <algorithm>

// The Class series' section: B16.5 gives a raised face (d, f) in front of the ring, and a hub
// from X at the ring's back to the pipe's outside diameter (weld-neck) or straight (slip-on)
// over Y, without fillet, neck or bevel sizes; a blind flange is solid. Only those are drawn.

namespace
{

QString symbolOf(Dimension dimension)
{
    return QString::fromUtf8(dimensionInfo(dimension).symbol);
}

DrawingOutline mirrored(const DrawingOutline &p)
{
    DrawingOutline m;
    for (const QPointF &q : p)
        m << QPointF(q.x(), -q.y());
    return m;
}

} // namespace

void drawClassSection(DrawingBuilder &b, const FlangeRecord &r, const FlangeSizes &s, double x0,
                      double t)
{
    using enum Dimension;
    const double f = r.value(FaceHeight).value_or(0);
    const double holeLow = s.k / 2 - s.l / 2, holeHigh = s.k / 2 + s.l / 2;
    const double face = std::min(r.value(RaisedFaceDiameter).value_or(0) / 2, holeLow);
    const double xf = x0 - (face > 0 ? f : 0), x1 = x0 + s.c;
    const std::optional<double> y = r.value(LengthThroughHub);
    const bool hubbed = r.hubDiameter && y && *y > s.c;
    const double xEnd = hubbed ? x0 + *y : x1;
    const double root = hubbed ? *r.hubDiameter / 2 : 0;
    const double end = s.weldEnd > 0 ? s.weldEnd / 2 : root;
    const double rb = s.bore / 2;

    // The upper half of the part inside the bolt holes, from the raised face round to the bore.
    DrawingOutline inner;
    if (face > 0)
        inner << QPointF(xf, face) << QPointF(x0, face);
    else
        inner << QPointF(x0, holeLow - 1e-9);
    inner << QPointF(x0, holeLow) << QPointF(x1, holeLow);
    if (hubbed)
        inner << QPointF(x1, root) << QPointF(xEnd, end);
    QList<DrawingOutline> faces;
    if (rb > 0) {
        inner << QPointF(xEnd, rb) << QPointF(xf, rb);
        faces << inner << mirrored(inner);
    } else {
        // Solid: one face across the axis.
        DrawingOutline whole = inner;
        DrawingOutline lower = mirrored(inner);
        std::reverse(lower.begin(), lower.end());
        faces << whole + lower;
    }
    DrawingOutline outer;
    outer << QPointF(x0, holeHigh) << QPointF(x0, s.d / 2) << QPointF(x1, s.d / 2)
          << QPointF(x1, holeHigh);
    faces << outer << mirrored(outer);
    for (const DrawingOutline &p : faces)
        for (qsizetype i = 0; i < p.size(); ++i)
            if (p[i] != p[(i + 1) % p.size()])
                b.line(DrawingLayer::Outline, p[i], p[(i + 1) % p.size()]);
    b.hatch(faces);

    b.line(DrawingLayer::Center, {xf - 0.8 * t, 0}, {xEnd + 0.8 * t, 0});
    b.mirroredLine(DrawingLayer::Center, {x0 - 0.8 * t, s.k / 2}, {x1 + 0.8 * t, s.k / 2});

    const double gap = 2.5 * t, top = s.d / 2;
    b.linear({x0, top}, {x1, top}, {0, top + gap}, true, lengthText(symbolOf(Thickness), s.c));
    if (hubbed)
        b.linear({x0, top}, {xEnd, end}, {0, top + 2 * gap}, true,
                 lengthText(symbolOf(LengthThroughHub), *y));
    if (face > 0)
        b.linear({xf, -face}, {x0, -face}, {0, -top - gap}, true,
                 lengthText(symbolOf(FaceHeight), f));

    int left = 1; // dimension lines left of the section, innermost first
    const auto leftOf = [&]() { return QPointF(xf - gap * left++, 0); };
    if (rb > 0)
        b.linear({xf, rb}, {xf, -rb}, leftOf(), false, diameterText(symbolOf(Bore), s.bore));
    if (face > 0)
        b.linear({xf, face}, {xf, -face}, leftOf(), false,
                 diameterText(symbolOf(RaisedFaceDiameter), 2 * face));
    b.linear({x0, s.k / 2}, {x0, -s.k / 2}, leftOf(), false,
             diameterText(symbolOf(BoltCircle), s.k));

    int right = 1;
    const auto rightOf = [&]() { return QPointF(xEnd + gap * right++, 0); };
    if (s.weldEnd > 0)
        b.linear({xEnd, end}, {xEnd, -end}, rightOf(), false,
                 diameterText(symbolOf(WeldEndDiameter), s.weldEnd));
    if (hubbed)
        b.linear({x1, root}, {x1, -root}, rightOf(), false,
                 diameterText(symbolOf(HubDiameter), 2 * root));
}
