#include "exports/drawingpainter.h"

#include "drawing/drawinggeometry.h"

#include <QPaintDevice>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace
{

constexpr double ArrowMm = 2.5; // an arrowhead's length on paper

// Maps drawing millimetres (y up) to device units (y down).
class Mapper
{
public:
    Mapper(const FlangeDrawing &d, const DrawingPlacement &p) : m_d(d), m_p(p) {}
    QPointF operator()(QPointF mm) const
    {
        return {m_p.topLeft.x() + (mm.x() - m_d.extents.left()) * m_p.unitsPerMm,
                m_p.topLeft.y() + (m_d.extents.bottom() - mm.y()) * m_p.unitsPerMm};
    }
    double length(double mm) const { return mm * m_p.unitsPerMm; }
    double paper(double mm) const { return mm * m_p.unitsPerPaperMm; }

private:
    const FlangeDrawing &m_d;
    const DrawingPlacement &m_p;
};

QPen layerPen(DrawingLayer layer, const Mapper &map)
{
    const bool thick = layer == DrawingLayer::Outline || layer == DrawingLayer::Border;
    QPen pen(QColor(layer == DrawingLayer::Center ? Qt::darkRed : Qt::black),
             map.paper(thick ? 0.5 : 0.25));
    pen.setCapStyle(Qt::FlatCap);
    if (layer == DrawingLayer::Center)
        pen.setDashPattern({24, 6, 4, 6}); // in pen widths: 6 mm dash, 1.5 gap, 1 dot
    return pen;
}

void arrowhead(QPainter &painter, QPointF tip, QPointF towards, const Mapper &map)
{
    QPointF dir = towards - tip;
    const double len = std::hypot(dir.x(), dir.y());
    if (len <= 0)
        return;
    dir /= len;
    const QPointF across(-dir.y(), dir.x());
    const double l = map.paper(ArrowMm), w = map.paper(0.6);
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(tip + dir * l + across * w);
    head.lineTo(tip + dir * l - across * w);
    head.closeSubpath();
    painter.fillPath(head, painter.pen().color());
}

// A text with its baseline's left end or middle at `at`, turned by `angleDeg` (counter-
// clockwise as seen).
void drawText(QPainter &painter, QPointF at, const QString &text, double height, TextAnchor anchor,
              double angleDeg = 0)
{
    painter.save();
    painter.translate(at);
    painter.rotate(-angleDeg);
    painter.setFont(fontOfHeight(painter.font(), painter, height));
    const double width = painter.fontMetrics().horizontalAdvance(text);
    painter.drawText(QPointF(anchor == TextAnchor::Center ? -width / 2 : 0, 0), text);
    painter.restore();
}

void paintLinear(QPainter &painter, const LinearDimension &dim, const FlangeDrawing &d,
                 const Mapper &map)
{
    // The two ends on the dimension line, and the extension lines running to them.
    const QPointF a = dim.horizontal ? QPointF(dim.from.x(), dim.linePos.y())
                                     : QPointF(dim.linePos.x(), dim.from.y());
    const QPointF b = dim.horizontal ? QPointF(dim.to.x(), dim.linePos.y())
                                     : QPointF(dim.linePos.x(), dim.to.y());
    const double overshoot = map.paper(1.5);
    for (const auto &[object, end] : {std::pair{dim.from, a}, std::pair{dim.to, b}}) {
        QPointF from = map(object), to = map(end);
        QPointF dir = to - from;
        const double len = std::hypot(dir.x(), dir.y());
        if (len > 0) {
            dir /= len;
            painter.drawLine(from + dir * map.paper(0.8), to + dir * overshoot);
        }
    }
    // Arrows too long for a short dimension stand outside it, pointing in, on the line drawn on.
    const QPointF pa = map(a), pb = map(b);
    QPointF dir = pb - pa;
    const double len = std::hypot(dir.x(), dir.y());
    if (len >= 2.5 * map.paper(ArrowMm) || len <= 0) {
        painter.drawLine(pa, pb);
        arrowhead(painter, pa, pb, map);
        arrowhead(painter, pb, pa, map);
    } else {
        dir /= len;
        const QPointF out = dir * (2 * map.paper(ArrowMm));
        painter.drawLine(pa - out, pb + out);
        arrowhead(painter, pa, pa - out, map);
        arrowhead(painter, pb, pb + out, map);
    }
    drawText(painter, map(dim.textPos), dim.text, map.length(d.textHeight), TextAnchor::Center,
             dim.horizontal ? 0 : 90);
}

void paintDiameter(QPainter &painter, const DiameterDimension &dim, const FlangeDrawing &d,
                   const Mapper &map)
{
    const double a = dim.angleDeg * std::numbers::pi / 180.0;
    const QPointF dir(std::cos(a), std::sin(a));
    const QPointF p = map(dim.center + dir * dim.radius), q = map(dim.center - dir * dim.radius);
    painter.drawLine(p, q);
    arrowhead(painter, p, q, map);
    arrowhead(painter, q, p, map);
    // The text along the line, reading upwards.
    drawText(painter, map(dim.textPos), dim.text, map.length(d.textHeight), TextAnchor::Center,
             readableAngle(dim.angleDeg));
}

} // namespace

QFont exportFont()
{
    QFont font;
    // TrueType first: PDF embeds it with its character map, so the text stays text.
    font.setFamilies({QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC"),
                      QStringLiteral("AR PL UMing CN")});
    font.setStyleStrategy(QFont::PreferOutline);
    return font;
}

QFont fontOfHeight(QFont font, const QPainter &painter, double height)
{
    // Capitals stand about 0.73 of the em in these faces.
    const double em = height / 0.73;
    font.setPointSizeF(em * 72.0 / painter.device()->logicalDpiY());
    return font;
}

void paintDrawing(QPainter &painter, const FlangeDrawing &d, const DrawingPlacement &placement)
{
    const Mapper map(d, placement);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(exportFont());
    painter.setBrush(Qt::NoBrush);

    painter.setPen(layerPen(DrawingLayer::Hatch, map));
    for (const DrawingHatch &h : d.hatches)
        for (const QLineF &l : hatchLines(h))
            painter.drawLine(map(l.p1()), map(l.p2()));

    for (const DrawingCircle &c : d.circles) {
        painter.setPen(layerPen(c.layer, map));
        const double r = map.length(c.radius);
        painter.drawEllipse(map(c.center), r, r);
    }
    for (const DrawingArc &a : d.arcs) {
        painter.setPen(layerPen(a.layer, map));
        const double r = map.length(a.radius);
        const QPointF c = map(a.center);
        const double sweep = std::fmod(a.endDeg - a.startDeg + 720.0, 360.0);
        QPainterPath path;
        path.arcMoveTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), a.startDeg);
        path.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), a.startDeg, sweep);
        painter.drawPath(path);
    }
    for (const DrawingLine &l : d.lines) {
        painter.setPen(layerPen(l.layer, map));
        painter.drawLine(map(l.line.p1()), map(l.line.p2()));
    }

    painter.setPen(layerPen(DrawingLayer::Dimensions, map));
    for (const LinearDimension &dim : d.linearDimensions)
        paintLinear(painter, dim, d, map);
    for (const DiameterDimension &dim : d.diameterDimensions)
        paintDiameter(painter, dim, d, map);
    for (const DrawingText &t : d.texts)
        drawText(painter, map(t.pos), t.text, map.length(t.height), t.anchor);
    painter.restore();
}
