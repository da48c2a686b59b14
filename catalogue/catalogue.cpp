#include "catalogue/catalogue.h"

#include "core/kinds/flangerow.h"
#include "core/plate/plateflangeresults.h"
#include "core/plate/platequery.h"
#include "core/slipon/sliponflangeresults.h"
#include "core/slipon/sliponquery.h"
#include "core/values/numberreading.h"
#include "core/values/valuetext.h"
#include "core/weldneck/weldneckflangeresults.h"
#include "core/weldneck/weldneckquery.h"

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

// A table cell that may read "-" (a size without a form in that series).
std::optional<double> tabled(const WorkingValue &value)
{
    return value.isText() ? std::nullopt : std::optional<double>(value.number());
}

template <typename Row> void setCommon(FlangeRecord &record, const Row &row)
{
    record.outsideDiameter = row.outsideDiameter;
    record.boltCircle = row.boltCircle;
    record.thickness = row.thickness;
    record.holeCount = row.holeCount;
    record.holeDiameter = row.holeDiameter;
    record.callout = boltHoleCallout(double(row.holeCount), double(row.holeDiameter));
    record.bolt = QString::fromUtf8(row.bolt);
}

// The pipe and the bore of the record's series, on a plate or slip-on row.
template <typename Row> void setPipeAndBore(FlangeRecord &record, const Row &row)
{
    const bool a = record.series == PipeSeries::A;
    record.pipeOutsideDiameter = a ? row.pipeOutsideA : row.pipeOutsideB;
    record.bore = a ? row.boreA : row.boreB;
}

void fill(FlangeRecord &record, const PlateFlangeRow &row)
{
    setCommon(record, row);
    setPipeAndBore(record, row);
    record.bevelWidth = row.bevelWidth;
    record.faceHeight = row.faceHeight;
    setResult(record.areaText, record.areaM2, plateNetArea(row, record.series));
    setResult(record.weightText, record.weightKg, plateNetWeight(row, record.series));
}

void fill(FlangeRecord &record, const SlipOnFlangeRow &row)
{
    setCommon(record, row);
    setPipeAndBore(record, row);
    record.filletRadius = row.filletRadius;
    record.overallHeight = row.overallHeight;
    if (row.bevelWidth)
        record.bevelWidth = *row.bevelWidth;
    record.hubDiameter = record.series == PipeSeries::A ? row.hubDiameterA : row.hubDiameterB;
    setResult(record.areaText, record.areaM2, slipOnNetArea(row, record.series));
    setResult(record.weightText, record.weightKg, slipOnNetWeight(row, record.series));
}

void fill(FlangeRecord &record, const WeldNeckFlangeRow &row)
{
    const bool a = record.series == PipeSeries::A;
    setCommon(record, row);
    record.filletRadius = row.filletRadius;
    record.overallHeight = row.overallHeight;
    record.weldEndDiameter = tabled(a ? row.weldEndDiameterA : row.weldEndDiameterB);
    record.hubDiameter = tabled(a ? row.hubDiameterA : row.hubDiameterB);
    record.wallThickness = row.wallThickness;
    record.neckHeight = row.neckHeight;
    setResult(record.weightText, record.weightKg, weldNeckNetWeight(row, record.series));
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
    return tabledDiameters(kind, pressure);
}

std::optional<FlangeRecord> lookUpFlange(FlangeKind kind, PressureIndex pressure, int dn,
                                         PipeSeries series)
{
    if (dn < std::numeric_limits<NominalDiameter>::min() ||
        dn > std::numeric_limits<NominalDiameter>::max())
        return std::nullopt;
    const std::optional<FlangeRow> row = findFlangeRow(kind, pressure, NominalDiameter(dn));
    if (!row)
        return std::nullopt;
    FlangeRecord record;
    record.kind = kind;
    record.pressure = pressure;
    record.pressureText = pressureTexts(kind).value(pressure);
    record.dn = dn;
    record.series = series;
    std::visit([&record](const auto *found) { fill(record, *found); }, *row);
    record.bolting = jointBolting(record.bolt, record.thickness.value_or(0),
                                  record.pressureText.toDouble())
                         .value_or(JointBolting{});
    return record;
}

QString boltToOrder(const FlangeRecord &record)
{
    return record.bolting.designation.isEmpty() ? record.bolt : record.bolting.designation;
}

QList<FlangeRecord> flangeRecords(FlangeKind kind, PipeSeries series,
                                  std::optional<PressureIndex> pressure)
{
    QList<FlangeRecord> records;
    for (int p = 0; p < flangePressureCount(kind); ++p) {
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
        for (int p = 0; p < flangePressureCount(kind); ++p)
            for (int dn : listedDiameters(kind, p))
                for (PipeSeries series : AllPipeSeries)
                    visit(*lookUpFlange(kind, p, dn, series));
}
