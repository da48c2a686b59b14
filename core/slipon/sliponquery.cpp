#include "core/slipon/sliponquery.h"

#include "core/kinds/chosenrow.h"
#include "core/slipon/sliponflangeresults.h"
#include "core/values/queryrun.h"
#include "core/values/valuetext.h"
#include "core/values/workingvalue.h"

using namespace SlipOnBox;

namespace
{

// What a found row writes, in the order it writes them.
constexpr int ResultBoxes[] = {OutsideDiameter, BoltCircle, Bolt,        Thickness, FilletRadius,
                               OverallHeight,   BevelWidth, PipeOutside, Bore,      HubDiameter,
                               BoltHoles,       NetArea,    NetWeight};

} // namespace

QStringList slipOnPressureTexts()
{
    return {"0.6", "1.0", "1.6", "2.5", "4.0"};
}

void runSlipOnQuery(QueryRun &run, PressureIndex pressure, std::optional<PipeSeries> series)
{
    const std::optional<FlangeRow> chosen =
        chooseRow(run, FlangeKind::SlipOn, Dn, pressure, series.has_value(), ResultBoxes);
    if (!chosen)
        return;
    const SlipOnFlangeRow &row = *std::get<const SlipOnFlangeRow *>(*chosen);
    const bool a = *series == PipeSeries::A;
    run.write(OutsideDiameter, plainNumberText(row.outsideDiameter));
    run.write(BoltCircle, plainNumberText(row.boltCircle));
    run.write(Bolt, QString::fromUtf8(row.bolt));
    run.write(Thickness, plainNumberText(row.thickness));
    run.write(FilletRadius, plainNumberText(row.filletRadius));
    run.write(OverallHeight, plainNumberText(row.overallHeight));
    // A row without a bevel shows none, rather than the last row's.
    run.write(BevelWidth, row.bevelWidth ? plainNumberText(*row.bevelWidth) : QString());
    run.write(PipeOutside, plainNumberText(a ? row.pipeOutsideA : row.pipeOutsideB));
    run.write(Bore, plainNumberText(a ? row.boreA : row.boreB));
    run.write(HubDiameter, plainNumberText(a ? row.hubDiameterA : row.hubDiameterB));
    run.write(BoltHoles, boltHoleCallout(double(row.holeCount), double(row.holeDiameter)));
    run.write(NetArea, resultText(slipOnNetArea(row, *series)));
    run.write(NetWeight, resultText(slipOnNetWeight(row, *series)));
}
