#include "core/weldneck/weldneckquery.h"

#include "core/kinds/chosenrow.h"
#include "core/values/queryrun.h"
#include "core/values/valuetext.h"
#include "core/values/workingvalue.h"
#include "core/weldneck/weldneckflangeresults.h"

#include <QString>

using namespace WeldNeckBox;

namespace
{

// What a found row writes, in the order it writes them.
constexpr int ResultBoxes[] = {OutsideDiameter, BoltCircle,  Bolt,         Thickness,
                               WallThickness,   NeckHeight,  FilletRadius, OverallHeight,
                               WeldEndDiameter, HubDiameter, BoltHoles,    NetWeight};

} // namespace

QStringList weldNeckPressureTexts()
{
    return {"1.0", "1.6", "2.5", "4.0", "6.3", "10.0", "16.0", "25.0"};
}

void runWeldNeckQuery(QueryRun &run, PressureIndex pressure, std::optional<PipeSeries> series)
{
    const std::optional<FlangeRow> chosen =
        chooseRow(run, FlangeKind::WeldNeck, Dn, pressure, series.has_value(), ResultBoxes);
    if (!chosen)
        return;
    const WeldNeckFlangeRow &row = *std::get<const WeldNeckFlangeRow *>(*chosen);
    const bool a = *series == PipeSeries::A;
    run.write(OutsideDiameter, plainNumberText(row.outsideDiameter));
    run.write(BoltCircle, plainNumberText(row.boltCircle));
    run.write(Bolt, QString::fromUtf8(row.bolt));
    run.write(Thickness, plainNumberText(row.thickness));
    run.write(WallThickness, plainNumberText(row.wallThickness));
    run.write(NeckHeight, plainNumberText(row.neckHeight));
    run.write(FilletRadius, plainNumberText(row.filletRadius));
    run.write(OverallHeight, plainNumberText(row.overallHeight));
    // A size without a form in the series shows its "-", and so does its weight.
    run.write(WeldEndDiameter, (a ? row.weldEndDiameterA : row.weldEndDiameterB).text());
    run.write(HubDiameter, (a ? row.hubDiameterA : row.hubDiameterB).text());
    run.write(BoltHoles, boltHoleCallout(double(row.holeCount), double(row.holeDiameter)));
    const std::optional<double> weight = weldNeckNetWeight(row, *series);
    run.write(NetWeight, weight ? resultText(*weight) : QStringLiteral("-"));
}
