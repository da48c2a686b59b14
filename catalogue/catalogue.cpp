#include "catalogue/catalogue.h"

#include "core/plate/plateflangetable.h"
#include "core/plate/platequery.h"
#include "core/slipon/sliponflangetable.h"
#include "core/slipon/sliponquery.h"
#include "core/values/numberreading.h"
#include "core/values/queryrun.h"
#include "core/values/valuetext.h"
#include "core/weldneck/weldneckflangetable.h"
#include "core/weldneck/weldneckquery.h"

#include <QHash>
#include <vector>

namespace
{

// A fresh window's boxes hold one blank (the slip-on result boxes hold nothing); the query then
// reads only the DN box before writing a box.
QueryRun freshQuery(int dnBox, int dn)
{
    return QueryRun(
        [dnBox, dn](int box) { return box == dnBox ? QString::number(dn) : QStringLiteral(" "); });
}

// A box's text as a table value: a number, or nullopt for empty, blank or "-".
std::optional<double> tabled(const QueryRun &run, int box)
{
    const QString text = run.text(box).trimmed();
    if (text.isEmpty() || text == QLatin1String("-"))
        return std::nullopt;
    return readNumber(text);
}

std::optional<double> resultValue(const QString &text)
{
    if (text.isEmpty() || text == QLatin1String("-"))
        return std::nullopt;
    return readNumber(text);
}

// The holes of a row: count n and diameter L; nullopt when the table lists no such row.
struct Holes {
    int count;
    int diameter;
};
template <typename Row>
std::optional<Holes> holesOf(const Row *row, int Row::*count, int Row::*diameter)
{
    return row ? std::optional<Holes>(Holes{row->*count, row->*diameter}) : std::nullopt;
}

// How a kind's window shows a found row: its query procedure, the box each value is written to,
// and where the row's holes are tabled.
struct KindReading {
    int pressureCount;
    int dnBox;
    void (*query)(QueryRun &, PressureIndex, std::optional<PipeSeries>);
    std::optional<Holes> (*holes)(PressureIndex, NominalDiameter);
    std::vector<std::pair<int, std::optional<double> FlangeRecord::*>> lengths;
    int calloutBox;
    int boltBox;
    int areaBox; // 0: the window computes no area
    int weightBox;
};

const KindReading &readingOf(FlangeKind kind)
{
    using R = FlangeRecord;
    static const KindReading plate{PlatePressureCount,
                                   PlateBox::Dn,
                                   runPlateQuery,
                                   [](PressureIndex p, NominalDiameter dn) {
                                       return holesOf(findPlateFlangeRow(p, dn),
                                                      &PlateFlangeRow::holeCount,
                                                      &PlateFlangeRow::holeDiameter);
                                   },
                                   {{PlateBox::BevelWidth, &R::bevelWidth},
                                    {PlateBox::PipeOutside, &R::pipeOutsideDiameter},
                                    {PlateBox::Bore, &R::bore},
                                    {PlateBox::BoltCircle, &R::boltCircle},
                                    {PlateBox::OutsideDiameter, &R::outsideDiameter},
                                    {PlateBox::FaceHeight, &R::faceHeight},
                                    {PlateBox::Thickness, &R::thickness}},
                                   PlateBox::BoltHoles,
                                   PlateBox::Bolt,
                                   PlateBox::NetArea,
                                   PlateBox::NetWeight};
    static const KindReading slipOn{SlipOnPressureCount,
                                    SlipOnBox::Dn,
                                    runSlipOnQuery,
                                    [](PressureIndex p, NominalDiameter dn) {
                                        return holesOf(findSlipOnFlangeRow(p, dn),
                                                       &SlipOnFlangeRow::holeCount,
                                                       &SlipOnFlangeRow::holeDiameter);
                                    },
                                    {{SlipOnBox::OutsideDiameter, &R::outsideDiameter},
                                     {SlipOnBox::BoltCircle, &R::boltCircle},
                                     {SlipOnBox::Thickness, &R::thickness},
                                     {SlipOnBox::FilletRadius, &R::filletRadius},
                                     {SlipOnBox::OverallHeight, &R::overallHeight},
                                     {SlipOnBox::BevelWidth, &R::bevelWidth},
                                     {SlipOnBox::PipeOutside, &R::pipeOutsideDiameter},
                                     {SlipOnBox::Bore, &R::bore},
                                     {SlipOnBox::HubDiameter, &R::hubDiameter}},
                                    SlipOnBox::BoltHoles,
                                    SlipOnBox::Bolt,
                                    SlipOnBox::NetArea,
                                    SlipOnBox::NetWeight};
    static const KindReading weldNeck{WeldNeckPressureCount,
                                      WeldNeckBox::Dn,
                                      runWeldNeckQuery,
                                      [](PressureIndex p, NominalDiameter dn) {
                                          return holesOf(findWeldNeckFlangeRow(p, dn),
                                                         &WeldNeckFlangeRow::holeCount,
                                                         &WeldNeckFlangeRow::holeDiameter);
                                      },
                                      {{WeldNeckBox::WeldEndDiameter, &R::weldEndDiameter},
                                       {WeldNeckBox::OutsideDiameter, &R::outsideDiameter},
                                       {WeldNeckBox::BoltCircle, &R::boltCircle},
                                       {WeldNeckBox::Thickness, &R::thickness},
                                       {WeldNeckBox::HubDiameter, &R::hubDiameter},
                                       {WeldNeckBox::WallThickness, &R::wallThickness},
                                       {WeldNeckBox::NeckHeight, &R::neckHeight},
                                       {WeldNeckBox::FilletRadius, &R::filletRadius},
                                       {WeldNeckBox::OverallHeight, &R::overallHeight}},
                                      WeldNeckBox::BoltHoles,
                                      WeldNeckBox::Bolt,
                                      0,
                                      WeldNeckBox::NetWeight};
    return kind == FlangeKind::Plate ? plate : kind == FlangeKind::SlipOn ? slipOn : weldNeck;
}

int pressureCount(FlangeKind kind)
{
    return readingOf(kind).pressureCount;
}

// Table DNs run from 10 to 2000; every candidate is asked, so the list is the tables' own.
constexpr int LargestTabledDn = 4000;

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
    }
    return {};
}

QString kindChineseName(FlangeKind kind)
{
    switch (kind) {
    case FlangeKind::Plate:
        return QStringLiteral("板式平焊");
    case FlangeKind::SlipOn:
        return QStringLiteral("带颈平焊");
    case FlangeKind::WeldNeck:
        return QStringLiteral("带颈对焊");
    }
    return {};
}

QStringList pressureTexts(FlangeKind kind)
{
    switch (kind) {
    case FlangeKind::Plate:
        return platePressureTexts();
    case FlangeKind::SlipOn:
        return slipOnPressureTexts();
    case FlangeKind::WeldNeck:
        return weldNeckPressureTexts();
    }
    return {};
}

QList<int> listedDiameters(FlangeKind kind, PressureIndex pressure)
{
    static const auto lists = [] {
        QHash<int, QList<int>> byKindAndPressure;
        for (FlangeKind k : AllFlangeKinds) {
            for (int p = 0; p < pressureCount(k); ++p) {
                QList<int> &dns = byKindAndPressure[int(k) * 100 + p];
                for (int dn = 1; dn <= LargestTabledDn; ++dn) {
                    if (readingOf(k).holes(p, NominalDiameter(dn)))
                        dns.append(dn);
                }
            }
        }
        return byKindAndPressure;
    }();
    return lists.value(int(kind) * 100 + pressure);
}

std::optional<FlangeRecord> lookUpFlange(FlangeKind kind, PressureIndex pressure, int dn,
                                         PipeSeries series)
{
    if (pressure < 0 || pressure >= pressureCount(kind) ||
        (series != PipeSeries::A && series != PipeSeries::B) || dn < 1 || dn > LargestTabledDn)
        return std::nullopt;
    const KindReading &reading = readingOf(kind);
    const std::optional<Holes> holes = reading.holes(pressure, NominalDiameter(dn));
    if (!holes)
        return std::nullopt;

    QueryRun run = freshQuery(reading.dnBox, dn);
    reading.query(run, pressure, series);
    FlangeRecord record;
    record.kind = kind;
    record.pressure = pressure;
    record.pressureText = pressureTexts(kind).value(pressure);
    record.dn = dn;
    record.series = series;
    for (const auto &[box, member] : reading.lengths)
        record.*member = tabled(run, box);
    record.holeCount = holes->count;
    record.holeDiameter = holes->diameter;
    record.callout = run.text(reading.calloutBox);
    record.bolt = run.text(reading.boltBox);
    if (reading.areaBox)
        record.areaText = run.text(reading.areaBox);
    record.weightText = run.text(reading.weightBox);
    record.areaM2 = resultValue(record.areaText);
    record.weightKg = resultValue(record.weightText);
    return record;
}

QList<FlangeRecord> flangeRecords(FlangeKind kind, PipeSeries series,
                                  std::optional<PressureIndex> pressure)
{
    QList<FlangeRecord> records;
    for (int p = 0; p < pressureCount(kind); ++p) {
        if (pressure && *pressure != p)
            continue;
        for (int dn : listedDiameters(kind, p))
            records.append(*lookUpFlange(kind, p, dn, series));
    }
    return records;
}

void forEachFlange(const std::function<void(const FlangeRecord &)> &visit)
{
    for (FlangeKind kind : AllFlangeKinds)
        for (int p = 0; p < pressureCount(kind); ++p)
            for (int dn : listedDiameters(kind, p))
                for (PipeSeries series : AllPipeSeries)
                    visit(*lookUpFlange(kind, p, dn, series));
}

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
