#include "catalogue/catalogue.h"
#include "catalogue/fieldname.h"

#include <QCoreApplication>

namespace
{

// The Chinese name, which translatedFieldName() gives in the interface's language.
QString name(const char *chinese)
{
    return QString::fromUtf8(chinese);
}

FieldValue number(const std::optional<double> &value)
{
    return value ? FieldValue(*value) : FieldValue();
}

FlangeField length(const char *key, const char *chinese, const char *symbol,
                   std::optional<double> FlangeRecord::*member)
{
    return {key, QString::fromUtf8(chinese), QString::fromUtf8(symbol), QStringLiteral("mm"),
            [member](const FlangeRecord &r) { return number(r.*member); }};
}

QList<FlangeField> commonTail(bool withArea)
{
    QList<FlangeField> fields{
        {"hole_count", name(QT_TRANSLATE_NOOP("FlangeField", "螺栓孔数量")), QStringLiteral("n"),
         QString(), [](const FlangeRecord &r) { return FieldValue(double(r.holeCount)); }},
        {"hole_diameter", name(QT_TRANSLATE_NOOP("FlangeField", "螺栓孔直径")), QStringLiteral("L"),
         QStringLiteral("mm"),
         [](const FlangeRecord &r) { return FieldValue(double(r.holeDiameter)); }},
        {"callout", name(QT_TRANSLATE_NOOP("FlangeField", "螺栓孔数量和孔径")),
         QStringLiteral("n-φL"), QString(),
         [](const FlangeRecord &r) { return FieldValue(r.callout); }},
        {"bolt", name(QT_TRANSLATE_NOOP("FlangeField", "螺栓规格")), QStringLiteral("Th"),
         QString(), [](const FlangeRecord &r) { return FieldValue(r.bolt); }},
        {"bolt_designation", name(QT_TRANSLATE_NOOP("FlangeField", "螺栓规格及长度")), QString(),
         QString(), [](const FlangeRecord &r) { return FieldValue(r.bolting.designation); }},
        {"bolt_length_mm", name(QT_TRANSLATE_NOOP("FlangeField", "螺栓长度")), QStringLiteral("l"),
         QStringLiteral("mm"),
         [](const FlangeRecord &r) {
             return r.bolting.length ? FieldValue(double(r.bolting.length)) : FieldValue();
         }},
        {"nuts_per_bolt", name(QT_TRANSLATE_NOOP("FlangeField", "每根螺栓的螺母数")), QString(),
         QString(),
         [](const FlangeRecord &r) {
             return r.bolting.length ? FieldValue(double(r.bolting.nutsPerBolt)) : FieldValue();
         }},
    };
    if (withArea)
        fields.append({"area_m2", name(QT_TRANSLATE_NOOP("FlangeField", "净面积")), QString(),
                       QStringLiteral("m²"),
                       [](const FlangeRecord &r) { return number(r.areaM2); }});
    fields.append({"weight_kg", name(QT_TRANSLATE_NOOP("FlangeField", "净重量")), QString(),
                   QStringLiteral("kg"), [](const FlangeRecord &r) { return number(r.weightKg); }});
    return fields;
}

} // namespace

const QList<FlangeField> &flangeFields(FlangeKind kind)
{
    using R = FlangeRecord;
    // Names as the windows' tooltips say them; symbols as the drawings letter them.
    static const QList<FlangeField> plate =
        QList<FlangeField>{
            length("bevel_width", QT_TRANSLATE_NOOP("FlangeField", "坡口宽度"), "b",
                   &R::bevelWidth),
            length("pipe_outside_diameter", QT_TRANSLATE_NOOP("FlangeField", "配管外径"), "A",
                   &R::pipeOutsideDiameter),
            length("bore", QT_TRANSLATE_NOOP("FlangeField", "法兰内径"), "B", &R::bore),
            length("bolt_circle", QT_TRANSLATE_NOOP("FlangeField", "螺栓孔中心圆直径"), "K",
                   &R::boltCircle),
            length("outside_diameter", QT_TRANSLATE_NOOP("FlangeField", "法兰外径"), "D",
                   &R::outsideDiameter),
            length("face_height", QT_TRANSLATE_NOOP("FlangeField", "突面高度"), "f",
                   &R::faceHeight),
            length("thickness", QT_TRANSLATE_NOOP("FlangeField", "法兰厚度"), "C", &R::thickness),
        } +
        commonTail(true);
    static const QList<FlangeField> slipOn =
        QList<FlangeField>{
            length("outside_diameter", QT_TRANSLATE_NOOP("FlangeField", "法兰外径"), "D",
                   &R::outsideDiameter),
            length("bolt_circle", QT_TRANSLATE_NOOP("FlangeField", "螺栓孔中心圆直径"), "K",
                   &R::boltCircle),
            length("thickness", QT_TRANSLATE_NOOP("FlangeField", "法兰厚度"), "C", &R::thickness),
            length("fillet_radius", QT_TRANSLATE_NOOP("FlangeField", "颈根圆角半径"), "R",
                   &R::filletRadius),
            length("height", QT_TRANSLATE_NOOP("FlangeField", "法兰总高度"), "H",
                   &R::overallHeight),
            length("bevel_width", QT_TRANSLATE_NOOP("FlangeField", "坡口宽度"), "b",
                   &R::bevelWidth),
            length("pipe_outside_diameter", QT_TRANSLATE_NOOP("FlangeField", "配管外径"), "A",
                   &R::pipeOutsideDiameter),
            length("bore", QT_TRANSLATE_NOOP("FlangeField", "法兰内径"), "B", &R::bore),
            length("hub_diameter", QT_TRANSLATE_NOOP("FlangeField", "法兰颈外径"), "N",
                   &R::hubDiameter),
        } +
        commonTail(true);
    static const QList<FlangeField> weldNeck =
        QList<FlangeField>{
            length("weld_end_diameter", QT_TRANSLATE_NOOP("FlangeField", "焊端外径"), "A",
                   &R::weldEndDiameter),
            length("outside_diameter", QT_TRANSLATE_NOOP("FlangeField", "法兰外径"), "D",
                   &R::outsideDiameter),
            length("bolt_circle", QT_TRANSLATE_NOOP("FlangeField", "螺栓孔中心圆直径"), "K",
                   &R::boltCircle),
            length("thickness", QT_TRANSLATE_NOOP("FlangeField", "法兰厚度"), "C", &R::thickness),
            length("hub_diameter", QT_TRANSLATE_NOOP("FlangeField", "颈部大端直径"), "N",
                   &R::hubDiameter),
            length("wall_thickness", QT_TRANSLATE_NOOP("FlangeField", "焊端壁厚"), "S",
                   &R::wallThickness),
            length("neck_height", QT_TRANSLATE_NOOP("FlangeField", "焊端直段高度"), "h",
                   &R::neckHeight),
            length("fillet_radius", QT_TRANSLATE_NOOP("FlangeField", "过渡圆角半径"), "R",
                   &R::filletRadius),
            length("height", QT_TRANSLATE_NOOP("FlangeField", "法兰总高度"), "H",
                   &R::overallHeight),
        } +
        commonTail(false);
    return kind == FlangeKind::Plate ? plate : kind == FlangeKind::SlipOn ? slipOn : weldNeck;
}

QString translatedFieldName(const QString &chinese)
{
    return QCoreApplication::translate("FlangeField", chinese.toUtf8().constData());
}
