#include "core/plate/platequery.h"

#include "core/kinds/chosenrow.h"
#include "core/plate/plateflangeresults.h"
#include "core/values/queryrun.h"
#include "core/values/valuetext.h"
#include "core/values/workingvalue.h"

#include <QString>

using namespace PlateBox;

namespace
{

// What a found row writes, in the order it writes them.
constexpr int ResultBoxes[] = {BevelWidth, Bolt,      BoltCircle, OutsideDiameter,
                               FaceHeight, Thickness, Bore,       PipeOutside,
                               NetArea,    NetWeight, BoltHoles};

} // namespace

QStringList platePressureTexts()
{
    return {"0.25", "0.6", "1.0", "1.6", "2.5"};
}

void runPlateQuery(QueryRun &run, PressureIndex pressure, std::optional<PipeSeries> series)
{
    const std::optional<FlangeRow> chosen =
        chooseRow(run, FlangeKind::Plate, Dn, pressure, series.has_value(), ResultBoxes);
    if (!chosen)
        return;
    const PlateFlangeRow &row = *std::get<const PlateFlangeRow *>(*chosen);
    const bool a = *series == PipeSeries::A;
    run.write(BevelWidth, plainNumberText(row.bevelWidth));
    run.write(Bolt, QString::fromUtf8(row.bolt));
    run.write(BoltCircle, plainNumberText(row.boltCircle));
    run.write(OutsideDiameter, plainNumberText(row.outsideDiameter));
    run.write(FaceHeight, plainNumberText(row.faceHeight));
    run.write(Thickness, plainNumberText(row.thickness));
    run.write(Bore, plainNumberText(a ? row.boreA : row.boreB));
    run.write(PipeOutside, plainNumberText(a ? row.pipeOutsideA : row.pipeOutsideB));
    run.write(NetArea, resultText(plateNetArea(row, *series)));
    run.write(NetWeight, resultText(plateNetWeight(row, *series)));
    run.write(BoltHoles, boltHoleCallout(double(row.holeCount), double(row.holeDiameter)));
}
