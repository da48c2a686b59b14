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

// A dimension of the row under its model key, symbol and unit, with the name the kind's window
// gives it (a hub's diameter is "法兰颈外径" on the slip-on window, "颈部大端直径" on the
// weld-neck one).
FlangeField length(Dimension dimension, const char *chinese)
{
    const DimensionInfo &info = dimensionInfo(dimension);
    return {info.key, QString::fromUtf8(chinese), QString::fromUtf8(info.symbol),
            QString::fromUtf8(info.unit),
            [dimension](const FlangeRecord &r) { return number(r.value(dimension)); }};
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
    // Names as the windows' tooltips say them; symbols as the drawings letter them.
    static const QList<FlangeField> plate =
        QList<FlangeField>{
            length(Dimension::BevelWidth, QT_TRANSLATE_NOOP("FlangeField", "坡口宽度")),
            length(Dimension::PipeOutsideDiameter, QT_TRANSLATE_NOOP("FlangeField", "配管外径")),
            length(Dimension::Bore, QT_TRANSLATE_NOOP("FlangeField", "法兰内径")),
            length(Dimension::BoltCircle, QT_TRANSLATE_NOOP("FlangeField", "螺栓孔中心圆直径")),
            length(Dimension::OutsideDiameter, QT_TRANSLATE_NOOP("FlangeField", "法兰外径")),
            length(Dimension::FaceHeight, QT_TRANSLATE_NOOP("FlangeField", "突面高度")),
            length(Dimension::Thickness, QT_TRANSLATE_NOOP("FlangeField", "法兰厚度")),
        } +
        commonTail(true);
    static const QList<FlangeField> slipOn =
        QList<FlangeField>{
            length(Dimension::OutsideDiameter, QT_TRANSLATE_NOOP("FlangeField", "法兰外径")),
            length(Dimension::BoltCircle, QT_TRANSLATE_NOOP("FlangeField", "螺栓孔中心圆直径")),
            length(Dimension::Thickness, QT_TRANSLATE_NOOP("FlangeField", "法兰厚度")),
            length(Dimension::FilletRadius, QT_TRANSLATE_NOOP("FlangeField", "颈根圆角半径")),
            length(Dimension::OverallHeight, QT_TRANSLATE_NOOP("FlangeField", "法兰总高度")),
            length(Dimension::BevelWidth, QT_TRANSLATE_NOOP("FlangeField", "坡口宽度")),
            length(Dimension::PipeOutsideDiameter, QT_TRANSLATE_NOOP("FlangeField", "配管外径")),
            length(Dimension::Bore, QT_TRANSLATE_NOOP("FlangeField", "法兰内径")),
            length(Dimension::HubDiameter, QT_TRANSLATE_NOOP("FlangeField", "法兰颈外径")),
        } +
        commonTail(true);
    static const QList<FlangeField> weldNeck =
        QList<FlangeField>{
            length(Dimension::WeldEndDiameter, QT_TRANSLATE_NOOP("FlangeField", "焊端外径")),
            length(Dimension::OutsideDiameter, QT_TRANSLATE_NOOP("FlangeField", "法兰外径")),
            length(Dimension::BoltCircle, QT_TRANSLATE_NOOP("FlangeField", "螺栓孔中心圆直径")),
            length(Dimension::Thickness, QT_TRANSLATE_NOOP("FlangeField", "法兰厚度")),
            length(Dimension::HubDiameter, QT_TRANSLATE_NOOP("FlangeField", "颈部大端直径")),
            length(Dimension::WallThickness, QT_TRANSLATE_NOOP("FlangeField", "焊端壁厚")),
            length(Dimension::NeckHeight, QT_TRANSLATE_NOOP("FlangeField", "焊端直段高度")),
            length(Dimension::FilletRadius, QT_TRANSLATE_NOOP("FlangeField", "过渡圆角半径")),
            length(Dimension::OverallHeight, QT_TRANSLATE_NOOP("FlangeField", "法兰总高度")),
        } +
        commonTail(false);
    return kind == FlangeKind::Plate ? plate : kind == FlangeKind::SlipOn ? slipOn : weldNeck;
}

QString translatedFieldName(const QString &chinese)
{
    return QCoreApplication::translate("FlangeField", chinese.toUtf8().constData());
}
