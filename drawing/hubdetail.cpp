#include "drawing/drawingsheet.h"
#include "drawing/flangeviews.h"

#include <algorithm>
#include <cmath>

namespace
{

constexpr double SmallestWallMm = 4;    // on paper: a hub wall under this is enlarged
constexpr QSizeF DetailRoomMm{100, 70}; // the most the detail takes on paper

// The part of the upper half-section the detail shows: the hub, from a little into the ring to
// a little past the weld end, from just inside the bore to above the fillet, below the bolt
// hole (its edges, where the detail cuts the part, are break lines, never one of the part's).
QRectF hubRegion(const FlangeRecord &r, const FlangeSizes &s, double x0)
{
    const double root = r.hubDiameter.value_or(s.bore) / 2;
    const double wall = root - s.bore / 2;
    const double x1 = x0 + s.c, xEnd = x0 + r.overallHeight.value_or(s.c);
    const double top =
        std::min(root + r.filletRadius.value_or(0) + wall, s.k / 2 - s.l / 2 - wall / 4);
    return QRectF(QPointF(x1 - wall, s.bore / 2 - wall / 2), QPointF(xEnd + wall / 2, top));
}

// The outline cut to the box (Sutherland–Hodgman, one side at a time).
DrawingOutline clipped(DrawingOutline poly, const QRectF &box)
{
    const auto cut = [&](auto inside, auto cross) {
        DrawingOutline out;
        for (qsizetype i = 0; i < poly.size(); ++i) {
            const QPointF a = poly[i], z = poly[(i + 1) % poly.size()];
            if (inside(a))
                out << a;
            if (inside(a) != inside(z))
                out << cross(a, z);
        }
        poly = out;
    };
    const auto atX = [](double x) {
        return [x](QPointF a, QPointF z) {
            return QPointF(x, a.y() + (z.y() - a.y()) * (x - a.x()) / (z.x() - a.x()));
        };
    };
    const auto atY = [](double y) {
        return [y](QPointF a, QPointF z) {
            return QPointF(a.x() + (z.x() - a.x()) * (y - a.y()) / (z.y() - a.y()), y);
        };
    };
    // QRectF with y up: top() is the lowest y.
    cut([&](QPointF p) { return p.x() >= box.left(); }, atX(box.left()));
    cut([&](QPointF p) { return p.x() <= box.right(); }, atX(box.right()));
    cut([&](QPointF p) { return p.y() >= box.top(); }, atY(box.top()));
    cut([&](QPointF p) { return p.y() <= box.bottom(); }, atY(box.bottom()));
    return poly;
}

bool onBoxEdge(QPointF a, QPointF z, const QRectF &box)
{
    const auto same = [](double u, double v) { return std::abs(u - v) < 1e-9; };
    return (same(a.x(), z.x()) && (same(a.x(), box.left()) || same(a.x(), box.right()))) ||
           (same(a.y(), z.y()) && (same(a.y(), box.top()) || same(a.y(), box.bottom())));
}

} // namespace

double hubDetailScale(const FlangeRecord &r, const FlangeSizes &s, double scale)
{
    if (!r.hubDiameter || !r.overallHeight)
        return 0;
    const double wall = *r.hubDiameter / 2 - s.bore / 2;
    // At 1:1 the hub prints at its own size: nothing to enlarge it from.
    if (wall <= 0 || scale <= 1 || wall / scale >= SmallestWallMm)
        return 0;
    const QRectF region = hubRegion(r, s, 0);
    // The largest scale, at least twice the sheet's, whose detail fits its room.
    for (double candidate : standardScales())
        if (candidate <= scale / 2 && region.width() / candidate <= DetailRoomMm.width() &&
            region.height() / candidate <= DetailRoomMm.height())
            return candidate;
    return 0;
}

void drawHubDetail(DrawingBuilder &b, const FlangeRecord &r, const FlangeSizes &s, double x0,
                   double t, double scale, double detailScale)
{
    const QRectF region = hubRegion(r, s, x0);
    const double k = scale / detailScale; // model units of the detail per unit of the part
    const QPointF origin(b.extents().right() + 6 * t, -region.height() * k / 2);
    const auto map = [&](QPointF p) { return origin + (p - region.topLeft()) * k; };

    // The region ringed on the section and named.
    const double ring = std::hypot(region.width(), region.height()) / 2;
    b.circle(DrawingLayer::Dimensions, region.center(), ring);
    const QString name = QStringLiteral("I");
    b.leader(region.center() + QPointF(0, ring), {0, 1}, {t, 2 * t, 3 * t}, false, name);

    QList<DrawingOutline> cut;
    for (const DrawingOutline &face : upperSectionFaces(r, s, x0)) {
        DrawingOutline piece = clipped(face, region);
        if (piece.size() < 3)
            continue;
        for (QPointF &p : piece)
            p = map(p);
        cut << piece;
    }
    const QRectF frame(map(region.topLeft()), map(region.bottomRight()));
    for (const DrawingOutline &piece : cut)
        for (qsizetype i = 0; i < piece.size(); ++i) {
            const QPointF a = piece[i], z = piece[(i + 1) % piece.size()];
            // Where the detail cuts the part, a thin break line; the part's own edges thick.
            b.line(onBoxEdge(a, z, frame) ? DrawingLayer::Dimensions : DrawingLayer::Outline, a, z);
        }
    b.hatch(cut);

    // The sizes the section is too small for, measured in the detail, lettered as tabled.
    const double xEnd = x0 + *r.overallHeight;
    const double gap = 2.5 * t;
    if (r.wallThickness && r.weldEndDiameter) {
        const double a = *r.weldEndDiameter / 2;
        b.linear(map({xEnd, a}), map({xEnd, a - *r.wallThickness}), QPointF(frame.right() + gap, 0),
                 false, lengthText(QStringLiteral("S"), *r.wallThickness));
    }
    if (r.neckHeight && r.weldEndDiameter) {
        const double a = *r.weldEndDiameter / 2;
        b.linear(map({xEnd - *r.neckHeight, a}), map({xEnd, a}), QPointF(0, frame.bottom() + gap),
                 true, lengthText(QStringLiteral("h"), *r.neckHeight));
    }
    const double root = *r.hubDiameter / 2;
    if (const double fr = r.filletRadius.value_or(0); fr > 0)
        b.leader(map({x0 + s.c + fr * (1 - std::sqrt(0.5)), root + fr * (1 - std::sqrt(0.5))}),
                 {std::sqrt(0.5), std::sqrt(0.5)}, {2 * t, 4 * t, 6 * t}, false,
                 lengthText(QStringLiteral("R"), fr));
    // "I 1:2.5" over the detail: its name and its own scale.
    b.text(QPointF(frame.center().x(), frame.bottom() + 2 * gap + t),
           name + QStringLiteral("  ") + scaleText(detailScale), TextAnchor::Center);
}
