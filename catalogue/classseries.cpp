#include "catalogue/classseries.h"

#include "catalogue/fieldname.h"
#include "core/model/rules.h"
#include "core/model/sidetable.h"
#include "core/values/numberreading.h"
#include "core/values/valuetext.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace
{

const FlangeTable *classTable(FlangeKind kind)
{
    const Standard *standard = classStandard();
    return standard ? flangeTable(*standard, kind) : nullptr;
}

} // namespace

QList<Rating> classRatings(FlangeKind kind)
{
    const FlangeTable *table = classTable(kind);
    return table ? tableRatings(*table) : QList<Rating>();
}

QList<NominalSize> classSizes(FlangeKind kind, const Rating &rating)
{
    QList<NominalSize> sizes;
    if (const FlangeTable *table = classTable(kind))
        for (const TableRowKey &key : table->keys)
            if (key.rating == rating)
                sizes.append(key.size);
    return sizes;
}

QString npsText(int quarters)
{
    const int whole = quarters / 4, rest = quarters % 4;
    const QString fraction = rest == 2 ? QStringLiteral("1/2") : QStringLiteral("%1/4").arg(rest);
    if (rest == 0)
        return QString::number(whole);
    return whole == 0 ? fraction : QStringLiteral("%1-%2").arg(whole).arg(fraction);
}

QString classSizeText(const NominalSize &size)
{
    return QStringLiteral("NPS %1 (DN %2)").arg(npsText(size.npsQuarters)).arg(size.dn);
}

QString classPnName(const Rating &rating)
{
    return classPnName(int(rating.value));
}

QString classStandardText()
{
    const Standard *standard = classStandard();
    if (!standard)
        return {};
    const QString name = QStringLiteral("%1-%2").arg(QString::fromUtf8(standard->name),
                                                     QString::fromUtf8(standard->edition));
    return *standard->equivalent
               ? name + QStringLiteral(" (") + QString::fromUtf8(standard->equivalent) + u')'
               : name;
}

namespace
{

// A joint's stud bolts, one a hole, each with two heavy hex nuts: the table's length and the
// bolt size's unified thread ("7/8-9UNC × 160"); none where the thread is not in the data.
JointBolting classBolting(const TableRow &row)
{
    const std::optional<QString> size = row.text(Dimension::BoltSize);
    const std::optional<double> length = row.number(Dimension::StudLength);
    const std::optional<SideRow> thread =
        size ? findSideRow(row.standard(), "unified_threads", {{"bolt_size_in", *size}})
             : std::nullopt;
    JointBolting bolting;
    if (!length || !thread || !thread->text("threads_per_inch") || !thread->text("series"))
        return bolting;
    bolting.kind = FastenerKind::StudBolt;
    bolting.nutsPerBolt = 2;
    bolting.length = int(*length);
    bolting.lengthPrinted = true;
    bolting.thread = *size + u'-' + *thread->text("threads_per_inch") + *thread->text("series");
    bolting.designation = bolting.thread + QStringLiteral(" × ") + QString::number(bolting.length);
    return bolting;
}

// The B16.21 flat ring of a record's class and size: its row in the gasket table, or none.
std::optional<SideRow> flatRing(const FlangeRecord &record)
{
    if (!record.row)
        return std::nullopt;
    return findSideRow(record.row->standard(), "gaskets_flat_ring",
                       {{"class", ratingText(record.rating)},
                        {"nps", npsText(record.row->key().size.npsQuarters)}});
}

FieldValue ringDiameter(const FlangeRecord &record, std::string_view column)
{
    const std::optional<SideRow> ring = flatRing(record);
    const std::optional<double> value = ring ? ring->number(column) : std::nullopt;
    return value ? FieldValue(*value) : FieldValue();
}

} // namespace

QString classGasketText(const FlangeRecord &record)
{
    const std::optional<SideRow> ring = flatRing(record);
    if (!ring)
        return QCoreApplication::translate("FlangeField",
                                           "未包括（数据中没有 Class %1 NPS %2 的 B16.21 平垫片）")
            .arg(ratingText(record.rating),
                 npsText(record.row ? record.row->key().size.npsQuarters : 0));
    return QCoreApplication::translate("FlangeField", "ASME B16.21 平垫片 %1 × %2（厚度按订货）")
        .arg(*ring->text("inside_diameter_mm"), *ring->text("outside_diameter_mm"));
}

std::optional<FlangeRecord> lookUpClassFlange(FlangeKind kind, const Rating &rating,
                                              const NominalSize &size, const QString &schedule)
{
    const FlangeTable *table = classTable(kind);
    if (!table)
        return std::nullopt;
    const auto row = std::ranges::find_if(table->keys, [&](const TableRowKey &key) {
        return key.rating == rating && (size.npsQuarters ? key.size.npsQuarters == size.npsQuarters
                                                         : key.size.dn == size.dn);
    });
    if (row == table->keys.end())
        return std::nullopt;
    const TableRow found(*classStandard(), *table, std::size_t(row - table->keys.begin()));
    FlangeRecord record = flangeRecord(found);
    record.bolting = classBolting(found);
    if (table->weight == WeightRule::WeldNeckOnPipe) {
        record.schedule = schedule;
        const std::optional<double> weight = netWeight(found, schedule);
        record.weightText = weight ? resultText(*weight) : QStringLiteral("-");
        record.weightKg =
            weight ? std::optional<double>(readNumber(record.weightText)) : std::nullopt;
    }
    return record;
}

std::optional<double> classPipeOutsideDiameter(const FlangeRecord &record)
{
    if (!record.row || record.kind == FlangeKind::Blind)
        return std::nullopt;
    const std::optional<SideRow> pipe = findSideRow(
        record.row->standard(), "pipe", {{"dn", QString::number(record.row->key().size.dn)}});
    return pipe ? pipe->number("outside_diameter_mm") : std::nullopt;
}

ValueReading<QString> readSchedule(QStringView text)
{
    const Standard *standard = classStandard();
    const QStringList listed = standard ? pipeSchedules(*standard) : QStringList();
    QString plain = plainTypedText(text).trimmed().toUpper();
    plain.remove(QRegularExpression(QStringLiteral("^SCH(?:EDULE)?[ .]*")));
    if (listed.contains(plain))
        return ValueReading<QString>::of(plain);
    return ValueReading<QString>::notReadable(
        QStringLiteral("schedule %1 is not listed; listed: %2")
            .arg(quotedInput(text), listed.join(QStringLiteral(", "))),
        QCoreApplication::translate("FlangeInput", "管子表号 %1 不在表中；有：%2")
            .arg(quotedInput(text), listed.join(QStringLiteral("、"))));
}

QList<FlangeRecord> classFlangeRecords(FlangeKind kind, std::optional<Rating> rating,
                                       const QString &schedule)
{
    QList<FlangeRecord> records;
    for (const Rating &listed : classRatings(kind))
        if (!rating || *rating == listed)
            for (const NominalSize &size : classSizes(kind, listed))
                records.append(*lookUpClassFlange(kind, listed, size, schedule));
    return records;
}

namespace
{

// The names of the dimensions the Class tables hold, as HG/T 20615 calls them.
const char *classDimensionName(Dimension dimension)
{
    switch (dimension) {
    case Dimension::OutsideDiameter:
        return QT_TRANSLATE_NOOP("FlangeField", "法兰外径");
    case Dimension::OutsideDiameterMetric:
        return QT_TRANSLATE_NOOP("FlangeField", "法兰外径（公制表）");
    case Dimension::Thickness:
        return QT_TRANSLATE_NOOP("FlangeField", "法兰厚度（不含突面）");
    case Dimension::RaisedFaceDiameter:
        return QT_TRANSLATE_NOOP("FlangeField", "突面直径");
    case Dimension::FaceHeight:
        return QT_TRANSLATE_NOOP("FlangeField", "突面高度");
    case Dimension::BoltCircle:
        return QT_TRANSLATE_NOOP("FlangeField", "螺栓孔中心圆直径");
    case Dimension::HoleCount:
        return QT_TRANSLATE_NOOP("FlangeField", "螺栓孔数量");
    case Dimension::HoleDiameter:
        return QT_TRANSLATE_NOOP("FlangeField", "螺栓孔直径");
    case Dimension::BoltSize:
        return QT_TRANSLATE_NOOP("FlangeField", "螺栓直径");
    case Dimension::StudLength:
        return QT_TRANSLATE_NOOP("FlangeField", "螺柱长度");
    case Dimension::HubDiameter:
        return QT_TRANSLATE_NOOP("FlangeField", "法兰颈外径");
    case Dimension::LengthThroughHub:
        return QT_TRANSLATE_NOOP("FlangeField", "法兰高度（不含突面）");
    default:
        return dimensionInfo(dimension).name;
    }
}

FieldValue cellValue(const FlangeRecord &record, Dimension dimension)
{
    if (isTextDimension(dimension)) {
        const std::optional<QString> text = record.text(dimension);
        return text ? FieldValue(*text) : FieldValue();
    }
    const std::optional<double> number = record.value(dimension);
    return number ? FieldValue(*number) : FieldValue();
}

QList<FlangeField> fieldsOf(FlangeKind kind)
{
    QList<FlangeField> fields;
    const FlangeTable *table = classTable(kind);
    if (!table)
        return fields;
    for (const Dimension dimension : table->columns) {
        const DimensionInfo &info = dimensionInfo(dimension);
        fields.append({info.key, QString::fromUtf8(classDimensionName(dimension)),
                       QString::fromUtf8(info.symbol), QString::fromUtf8(info.unit),
                       [dimension](const FlangeRecord &r) { return cellValue(r, dimension); }});
    }
    if (table->weight != WeightRule::BlindSolid)
        fields.append({"bore", QString::fromUtf8(QT_TRANSLATE_NOOP("FlangeField", "法兰内径")),
                       QStringLiteral("B"), QStringLiteral("mm"), [](const FlangeRecord &r) {
                           const std::optional<double> bore = classBore(r);
                           return bore ? FieldValue(*bore) : FieldValue();
                       }});
    if (table->weight == WeightRule::WeldNeckOnPipe)
        fields.append({"schedule", QString::fromUtf8(QT_TRANSLATE_NOOP("FlangeField", "管子表号")),
                       QString(), QString(),
                       [](const FlangeRecord &r) { return FieldValue(r.schedule); }});
    const auto text = [](const char *key, const char *chinese, const char *unit,
                         std::function<FieldValue(const FlangeRecord &)> value) {
        return FlangeField{key, QString::fromUtf8(chinese), QString(), QString::fromUtf8(unit),
                           std::move(value)};
    };
    fields += {
        text("bolt_designation", QT_TRANSLATE_NOOP("FlangeField", "螺栓规格及长度"), "",
             [](const FlangeRecord &r) {
                 return r.bolting.designation.isEmpty() ? FieldValue()
                                                        : FieldValue(r.bolting.designation);
             }),
        text("nuts_per_bolt", QT_TRANSLATE_NOOP("FlangeField", "每根螺栓的螺母数"), "",
             [](const FlangeRecord &r) {
                 return r.bolting.length ? FieldValue(double(r.bolting.nutsPerBolt)) : FieldValue();
             }),
        text("nut", QT_TRANSLATE_NOOP("FlangeField", "螺母"), "",
             [](const FlangeRecord &r) {
                 return r.bolting.length
                            ? FieldValue(QCoreApplication::translate("FlangeField", "重型六角螺母"))
                            : FieldValue();
             }),
        text("gasket", QT_TRANSLATE_NOOP("FlangeField", "垫片"), "",
             [](const FlangeRecord &r) { return FieldValue(classGasketText(r)); }),
        text("gasket_inside_diameter", QT_TRANSLATE_NOOP("FlangeField", "垫片内径"), "mm",
             [](const FlangeRecord &r) { return ringDiameter(r, "inside_diameter_mm"); }),
        text("gasket_outside_diameter", QT_TRANSLATE_NOOP("FlangeField", "垫片外径"), "mm",
             [](const FlangeRecord &r) { return ringDiameter(r, "outside_diameter_mm"); }),
    };
    fields.append({"computed_weight_kg",
                   QString::fromUtf8(QT_TRANSLATE_NOOP("FlangeField", "计算重量")), QString(),
                   QStringLiteral("kg"), [](const FlangeRecord &r) {
                       return r.weightKg ? FieldValue(*r.weightKg) : FieldValue();
                   }});
    return fields;
}

} // namespace

const QList<FlangeField> &classFlangeFields(FlangeKind kind)
{
    static const QList<FlangeField> weldNeck = fieldsOf(FlangeKind::WeldNeck);
    static const QList<FlangeField> slipOn = fieldsOf(FlangeKind::SlipOn);
    static const QList<FlangeField> blind = fieldsOf(FlangeKind::Blind);
    static const QList<FlangeField> none;
    switch (kind) {
    case FlangeKind::WeldNeck:
        return weldNeck;
    case FlangeKind::SlipOn:
        return slipOn;
    case FlangeKind::Blind:
        return blind;
    case FlangeKind::Plate:
        break;
    }
    return none;
}

bool isClassRecord(const FlangeRecord &record)
{
    return record.rating.system == RatingSystem::Class;
}

const QList<FlangeField> &recordFields(const FlangeRecord &record)
{
    return isClassRecord(record) ? classFlangeFields(record.kind) : flangeFields(record.kind);
}

std::optional<double> classBore(const FlangeRecord &record)
{
    const std::optional<double> bore =
        record.row ? flangeBore(*record.row, record.schedule) : std::nullopt;
    // To the hundredth, as the walls it comes from.
    return bore ? std::optional<double>(std::round(*bore * 100) / 100) : std::nullopt;
}

std::optional<double> classWeldEndDiameter(const FlangeRecord &record)
{
    const Standard *standard = classStandard();
    if (record.kind != FlangeKind::WeldNeck || !standard || !isClassRecord(record))
        return std::nullopt;
    const std::optional<SideRow> pipe =
        findSideRow(*standard, "pipe", {{"dn", QString::number(record.dn)}});
    return pipe ? pipe->number("outside_diameter_mm") : std::nullopt;
}

QString classDesignation(const FlangeRecord &record)
{
    const int quarters = record.row ? record.row->key().size.npsQuarters : 0;
    QString text = kindCode(record.kind) + u' ' + npsText(quarters) + QStringLiteral("\" CL") +
                   record.pressureText + QStringLiteral(" RF");
    if (!record.schedule.isEmpty())
        text += QStringLiteral(" SCH ") + record.schedule;
    return text;
}
