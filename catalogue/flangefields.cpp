#include "catalogue/catalogue.h"

namespace
{

FieldValue number(const std::optional<double> &value)
{
    return value ? FieldValue(*value) : FieldValue();
}

FlangeField length(const char *key, const char *name, const char *symbol,
                   std::optional<double> FlangeRecord::*member)
{
    return {key, QString::fromUtf8(name), QString::fromUtf8(symbol), QStringLiteral("mm"),
            [member](const FlangeRecord &r) { return number(r.*member); }};
}

QList<FlangeField> commonTail(bool withArea)
{
    QList<FlangeField> fields{
        {"hole_count", QStringLiteral("螺栓孔数量"), QStringLiteral("n"), QString(),
         [](const FlangeRecord &r) { return FieldValue(double(r.holeCount)); }},
        {"hole_diameter", QStringLiteral("螺栓孔直径"), QStringLiteral("L"), QStringLiteral("mm"),
         [](const FlangeRecord &r) { return FieldValue(double(r.holeDiameter)); }},
        {"callout", QStringLiteral("螺栓孔数量和孔径"), QStringLiteral("n-φL"), QString(),
         [](const FlangeRecord &r) { return FieldValue(r.callout); }},
        {"bolt", QStringLiteral("螺栓规格"), QStringLiteral("Th"), QString(),
         [](const FlangeRecord &r) { return FieldValue(r.bolt); }},
        {"bolt_designation", QStringLiteral("螺栓规格及长度"), QString(), QString(),
         [](const FlangeRecord &r) { return FieldValue(r.bolting.designation); }},
        {"bolt_length_mm", QStringLiteral("螺栓长度"), QStringLiteral("l"), QStringLiteral("mm"),
         [](const FlangeRecord &r) {
             return r.bolting.length ? FieldValue(double(r.bolting.length)) : FieldValue();
         }},
        {"nuts_per_bolt", QStringLiteral("每根螺栓的螺母数"), QString(), QString(),
         [](const FlangeRecord &r) {
             return r.bolting.length ? FieldValue(double(r.bolting.nutsPerBolt)) : FieldValue();
         }},
    };
    if (withArea)
        fields.append({"area_m2", QStringLiteral("净面积"), QString(), QStringLiteral("m²"),
                       [](const FlangeRecord &r) { return number(r.areaM2); }});
    fields.append({"weight_kg", QStringLiteral("净重量"), QString(), QStringLiteral("kg"),
                   [](const FlangeRecord &r) { return number(r.weightKg); }});
    return fields;
}

} // namespace

const QList<FlangeField> &flangeFields(FlangeKind kind)
{
    using R = FlangeRecord;
    // Names as the windows' tooltips say them; symbols as the drawings letter them.
    static const QList<FlangeField> plate =
        QList<FlangeField>{
            length("bevel_width", "坡口宽度", "b", &R::bevelWidth),
            length("pipe_outside_diameter", "配管外径", "A", &R::pipeOutsideDiameter),
            length("bore", "法兰内径", "B", &R::bore),
            length("bolt_circle", "螺栓孔中心圆直径", "K", &R::boltCircle),
            length("outside_diameter", "法兰外径", "D", &R::outsideDiameter),
            length("face_height", "突面高度", "f", &R::faceHeight),
            length("thickness", "法兰厚度", "C", &R::thickness),
        } +
        commonTail(true);
    static const QList<FlangeField> slipOn =
        QList<FlangeField>{
            length("outside_diameter", "法兰外径", "D", &R::outsideDiameter),
            length("bolt_circle", "螺栓孔中心圆直径", "K", &R::boltCircle),
            length("thickness", "法兰厚度", "C", &R::thickness),
            length("fillet_radius", "颈根圆角半径", "R", &R::filletRadius),
            length("height", "法兰总高度", "H", &R::overallHeight),
            length("bevel_width", "坡口宽度", "b", &R::bevelWidth),
            length("pipe_outside_diameter", "配管外径", "A", &R::pipeOutsideDiameter),
            length("bore", "法兰内径", "B", &R::bore),
            length("hub_diameter", "法兰颈外径", "N", &R::hubDiameter),
        } +
        commonTail(true);
    static const QList<FlangeField> weldNeck =
        QList<FlangeField>{
            length("weld_end_diameter", "焊端外径", "A", &R::weldEndDiameter),
            length("outside_diameter", "法兰外径", "D", &R::outsideDiameter),
            length("bolt_circle", "螺栓孔中心圆直径", "K", &R::boltCircle),
            length("thickness", "法兰厚度", "C", &R::thickness),
            length("hub_diameter", "颈部大端直径", "N", &R::hubDiameter),
            length("wall_thickness", "焊端壁厚", "S", &R::wallThickness),
            length("neck_height", "焊端直段高度", "h", &R::neckHeight),
            length("fillet_radius", "过渡圆角半径", "R", &R::filletRadius),
            length("height", "法兰总高度", "H", &R::overallHeight),
        } +
        commonTail(false);
    return kind == FlangeKind::Plate ? plate : kind == FlangeKind::SlipOn ? slipOn : weldNeck;
}
