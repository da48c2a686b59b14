#include "drawing/flangeviews.h"

#include <cmath>
#include <numbers>

namespace
{
constexpr double Degree = std::numbers::pi / 180.0;

// The bore's diameter along the horizontal centre line, its text inside the bore left of the
// vertical centre line where it stands free there; else on a leader out past the rim, lower
// right.
void dimensionBore(DrawingBuilder &b, const FlangeSizes &s, double t)
{
    const QPointF o(0, 0);
    const double pitch = 360.0 / s.n;
    const QString boreText = diameterText(QStringLiteral("B"), s.bore);
    const double boreWidth = b.textWidth(boreText);
    const QPointF inside(-boreWidth / 2 - 0.5 * t, 0.3 * t);
    if (std::hypot(boreWidth + 0.5 * t, 1.3 * t) <= s.bore / 2 - 0.2 * t &&
        b.isFreeAt(inside, boreText, TextAnchor::Center, 0)) {
        b.diameter(o, s.bore / 2, 0.0, boreText, inside);
    } else {
        // Down to the right, between the holes and the vertical centre line where the leader
        // passes farthest from both, its shelf running right under the face view (the sheet's
        // height has room to spare, its width not).
        double best = 290, clearance = -1;
        for (double deg = 271; deg < 360; deg += 1) {
            double nearest = std::min(deg - 270, 360 - deg) * Degree * s.k / 2;
            for (int i = 0; i < s.n; ++i) {
                const double off = std::remainder(deg - (pitch / 2 + pitch * i), 360.0);
                nearest = std::min(nearest, std::abs(off) * Degree * s.k / 2 - s.l / 2);
            }
            if (nearest > clearance) {
                clearance = nearest;
                best = deg;
            }
        }
        const QPointF down(std::cos(best * Degree), std::sin(best * Degree));
        b.leader(down * (s.bore / 2), down,
                 {(s.d - s.bore) / 2 + 2 * t, (s.d - s.bore) / 2 + 4 * t}, false, boreText);
    }
}

} // namespace

void drawFaceView(DrawingBuilder &b, const FlangeRecord &r, const FlangeSizes &s, double t)
{
    const QPointF o(0, 0);
    b.circle(DrawingLayer::Outline, o, s.d / 2);
    if (s.bore > 0) // a blind flange has none
        b.circle(DrawingLayer::Outline, o, s.bore / 2);
    // Seen from the hub side: the hub where it meets the ring, and the weld end.
    if (r.hubDiameter)
        b.circle(DrawingLayer::Outline, o, *r.hubDiameter / 2);
    if (s.weldEnd > 0)
        b.circle(DrawingLayer::Outline, o, s.weldEnd / 2);
    b.circle(DrawingLayer::Center, o, s.k / 2);

    // Centre lines stand a little (2.8 mm on paper) beyond the outline.
    const double reach = s.d / 2 + 0.8 * t;
    b.line(DrawingLayer::Center, {-reach, 0}, {reach, 0});
    b.line(DrawingLayer::Center, {0, -reach}, {0, reach});

    // The holes straddle the centre lines: the first one half a pitch round from the x axis.
    const double holePitch = 360.0 / s.n;
    for (int i = 0; i < s.n; ++i) {
        const double a = (holePitch / 2 + holePitch * i) * Degree;
        const QPointF c(s.k / 2 * std::cos(a), s.k / 2 * std::sin(a));
        const QPointF radial(std::cos(a), std::sin(a));
        const QPointF across(-std::sin(a), std::cos(a));
        const double mark = s.l / 2 + t / 2;
        b.circle(DrawingLayer::Outline, c, s.l / 2);
        b.line(DrawingLayer::Center, c - radial * mark, c + radial * mark);
        b.line(DrawingLayer::Center, c - across * mark, c + across * mark);
    }

    const double gap = 2.5 * t;
    const double pitch = 360.0 / s.n;
    b.linear({-s.d / 2, 0}, {s.d / 2, 0}, {0, s.d / 2 + gap}, true,
             diameterText(QStringLiteral("D"), s.d));
    b.linear({-s.k / 2, 0}, {s.k / 2, 0}, {0, -s.d / 2 - gap}, true,
             diameterText(QStringLiteral("K"), s.k));
    if (s.bore > 0) // a blind flange has none
        dimensionBore(b, s, t);

    // The hole callout on a leader from the upper left hole out past the rim, away from the
    // section on the right: along the hole's radius where its text stands free there, else
    // steeper, up over the D dimension (the sheet's height has room to spare, its width not).
    const double a = (180.0 - pitch / 2) * Degree;
    const QPointF dir(std::cos(a), std::sin(a));
    const QPointF tip = dir * ((s.k + s.l) / 2);
    const QString callout = QStringLiteral("n-φL=") + r.callout;
    const double past = (s.d - s.k - s.l) / 2;
    const QList<double> lengths{past + 1.5 * t, past + 3 * t, past + 5 * t};
    const QPointF steep(std::cos(100 * Degree), std::sin(100 * Degree));
    QList<double> steepLengths;
    // (its shelf a text height clear of the D dimension line, not mistaken for part of it)
    for (double length = past + 1.5 * t; tip.y() + steep.y() * length < s.d / 2 + gap + 4 * t;
         length += t / 2)
        if (std::abs(tip.y() + steep.y() * length - (s.d / 2 + gap)) >= t)
            steepLengths << length;
    const double w = b.textWidth(callout);
    for (const auto &[towards, tried] : {std::pair{dir, lengths}, std::pair{steep, steepLengths}})
        for (double length : tried) {
            const QPointF knee = tip + towards * length;
            if (b.isFreeAt(knee + QPointF(-w, 0.3 * t), callout, TextAnchor::Left, 0)) {
                b.leader(tip, towards, {length}, true, callout);
                return;
            }
        }
    b.leader(tip, dir, lengths, true, callout);
}
