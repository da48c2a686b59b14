#include "catalogue/catalogue.h"

#include "core/model/rules.h"
#include "core/values/numberreading.h"
#include "core/values/valuetext.h"
#include "core/values/workingvalue.h"

#include <QCoreApplication>
#include <limits>

namespace
{

// A result as the window writes it ("##0.00") and as a number read back from that text, so a
// record's figures are the ones the window shows.
void setResult(QString &text, std::optional<double> &number, std::optional<double> value)
{
    text = value ? resultText(*value) : QStringLiteral("-");
    number = value ? std::optional<double>(readNumber(text)) : std::nullopt;
}

} // namespace

QString kindCode(FlangeKind kind)
{
    switch (kind) {
    case FlangeKind::Plate:
        return QStringLiteral("PL");
    case FlangeKind::SlipOn:
        return QStringLiteral("SO");
    case FlangeKind::WeldNeck:
        return QStringLiteral("WN");
    case FlangeKind::Blind:
        return QStringLiteral("BL");
    }
    return {};
}

namespace
{

const char *kindNameSource(FlangeKind kind)
{
    switch (kind) {
    case FlangeKind::Plate:
        return QT_TRANSLATE_NOOP("FlangeKind", "板式平焊");
    case FlangeKind::SlipOn:
        return QT_TRANSLATE_NOOP("FlangeKind", "带颈平焊");
    case FlangeKind::WeldNeck:
        return QT_TRANSLATE_NOOP("FlangeKind", "带颈对焊");
    case FlangeKind::Blind:
        return QT_TRANSLATE_NOOP("FlangeKind", "法兰盖");
    }
    return "";
}

} // namespace

QString kindChineseName(FlangeKind kind)
{
    return QString::fromUtf8(kindNameSource(kind));
}

QString kindName(FlangeKind kind)
{
    return QCoreApplication::translate("FlangeKind", kindNameSource(kind));
}

namespace
{

// Whether the standard rates by PN, as the windows' lists and a kind's ratings here do; the
// Class series has its own lookups (classseries.h).
bool ratedByPn(const Standard &standard)
{
    return standard.ratingSystem != RatingSystem::Class;
}

// The standard whose table of the kind lists the rating: the first compiled in that does.
const Standard *standardListing(FlangeKind kind, const Rating &rating)
{
    for (const Standard &standard : builtInStandards())
        if (const FlangeTable *table = ratedByPn(standard) ? flangeTable(standard, kind) : nullptr)
            if (tableLists(*table, rating))
                return &standard;
    return nullptr;
}

} // namespace

QList<Rating> listedRatings(FlangeKind kind)
{
    QList<Rating> ratings;
    for (const Standard &standard : builtInStandards())
        if (const FlangeTable *table = ratedByPn(standard) ? flangeTable(standard, kind) : nullptr)
            for (const Rating &rating : tableRatings(*table))
                if (!ratings.contains(rating))
                    ratings.append(rating);
    return ratings;
}

QStringList pressureTexts(FlangeKind kind)
{
    QStringList texts;
    for (const Rating &rating : listedRatings(kind))
        texts.append(ratingText(rating));
    return texts;
}

QList<int> listedDiameters(FlangeKind kind, const Rating &rating)
{
    const Standard *standard = standardListing(kind, rating);
    return standard ? tableDiameters(*flangeTable(*standard, kind), rating) : QList<int>();
}

std::optional<double> FlangeRecord::value(Dimension dimension) const
{
    return row ? row->number(dimension) : std::nullopt;
}

std::optional<QString> FlangeRecord::text(Dimension dimension) const
{
    return row ? row->text(dimension) : std::nullopt;
}

FlangeRecord flangeRecord(const TableRow &row)
{
    using enum Dimension;
    FlangeRecord record;
    const TableRowKey &key = row.key();
    record.kind = row.table().kind;
    record.rating = key.rating;
    record.pressureText = ratingText(key.rating);
    record.dn = key.size.dn;
    record.series = key.series.value_or(PipeSeries::A);
    record.row = row;
    record.outsideDiameter = row.number(OutsideDiameter);
    record.boltCircle = row.number(BoltCircle);
    record.thickness = row.number(Thickness);
    record.bore = row.number(Bore);
    record.pipeOutsideDiameter = row.number(PipeOutsideDiameter);
    record.bevelWidth = row.number(BevelWidth);
    record.faceHeight = row.number(FaceHeight);
    record.filletRadius = row.number(FilletRadius);
    record.overallHeight = row.number(OverallHeight);
    record.hubDiameter = row.number(HubDiameter);
    record.weldEndDiameter = row.number(WeldEndDiameter);
    record.wallThickness = row.number(WallThickness);
    record.neckHeight = row.number(NeckHeight);
    record.holeCount = int(row.number(HoleCount).value_or(0));
    record.holeDiameter = int(row.number(HoleDiameter).value_or(0));
    // The hole as tabled: the Class series' are not whole millimetres (15.88).
    record.callout = boltHoleCallout(double(record.holeCount),
                                     row.number(HoleDiameter).value_or(record.holeDiameter));
    record.bolt = row.text(Bolt).value_or(QString());
    if (row.table().area != AreaRule::None)
        setResult(record.areaText, record.areaM2, netArea(row));
    setResult(record.weightText, record.weightKg, netWeight(row));
    switch (row.table().bolting) {
    case BoltingRule::Computed:
        // The joint method needs a pressure: none for a class.
        if (const std::optional<double> mpa = key.rating.pressureMpa())
            record.bolting = jointBolting(record.bolt, record.thickness.value_or(0), *mpa)
                                 .value_or(JointBolting{});
        break;
    case BoltingRule::Tabled:
        // A stud bolt with a nut at each end, as long as the table says.
        if (const std::optional<double> length = row.number(StudLength))
            record.bolting = tabledBolting(record.bolt, int(*length));
        break;
    }
    return record;
}

std::optional<FlangeRecord> lookUpFlange(FlangeKind kind, const Rating &rating, int dn,
                                         PipeSeries series)
{
    if (dn < std::numeric_limits<NominalDiameter>::min() ||
        dn > std::numeric_limits<NominalDiameter>::max())
        return std::nullopt;
    const Standard *standard = standardListing(kind, rating);
    if (!standard)
        return std::nullopt;
    const std::optional<TableRow> row =
        findRow({standard,
                 kind,
                 rating,
                 {NominalDiameter(dn)},
                 standard->pipeSeries ? std::optional(series) : std::nullopt,
                 {}});
    if (!row)
        return std::nullopt;
    return flangeRecord(*row);
}

QString boltToOrder(const FlangeRecord &record)
{
    return record.bolting.designation.isEmpty() ? record.bolt : record.bolting.designation;
}

QList<FlangeRecord> flangeRecords(FlangeKind kind, PipeSeries series, std::optional<Rating> rating)
{
    QList<FlangeRecord> records;
    for (const Rating &listed : listedRatings(kind)) {
        if (rating && *rating != listed)
            continue;
        for (int dn : listedDiameters(kind, listed))
            records.append(*lookUpFlange(kind, listed, dn, series));
    }
    return records;
}

void forEachFlange(const std::function<void(const FlangeRecord &)> &visit)
{
    for (FlangeKind kind : AllFlangeKinds)
        for (const Rating &rating : listedRatings(kind))
            for (int dn : listedDiameters(kind, rating))
                for (PipeSeries series : AllPipeSeries)
                    visit(*lookUpFlange(kind, rating, dn, series));
}
