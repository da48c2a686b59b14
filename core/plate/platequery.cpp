#include "core/plate/platequery.h"

#include "core/plate/plateflangeresults.h"
#include "core/values/numberreading.h"
#include "core/values/queryrun.h"
#include "core/values/valuetext.h"
#include "core/values/workingvalue.h"

#include <QString>

namespace
{

// The row values the later steps use; all empty when no row was found.
struct PlateWorkingValues {
    WorkingValue holeCount;
    WorkingValue holeDiameter;
    WorkingValue pipeOutsideA;
    WorkingValue pipeOutsideB;
    WorkingValue boreA;
    WorkingValue boreB;
};

PlateWorkingValues lookUpRow(QueryRun &run, PressureIndex pressure)
{
    using namespace PlateBox;
    PlateWorkingValues values;
    if (pressure < 0 || pressure >= PlatePressureCount) {
        run.message(QStringLiteral("压力不对，从新输入！"));
        return values;
    }
    const auto dn = readNominalDiameter(run.text(Dn));
    const PlateFlangeRow *row = dn ? findPlateFlangeRow(pressure, *dn) : nullptr;
    if (!row) {
        run.message(QStringLiteral("请从新输入公称直径！"));
        return values;
    }
    run.write(BevelWidth, plainNumberText(row->bevelWidth));
    run.write(Bolt, QString::fromUtf8(row->bolt));
    run.write(BoltCircle, plainNumberText(row->boltCircle));
    run.write(OutsideDiameter, plainNumberText(row->outsideDiameter));
    run.write(FaceHeight, plainNumberText(row->faceHeight));
    run.write(Thickness, plainNumberText(row->thickness));
    values.holeCount = row->holeCount;
    values.holeDiameter = row->holeDiameter;
    values.pipeOutsideA = row->pipeOutsideA;
    values.pipeOutsideB = row->pipeOutsideB;
    values.boreA = row->boreA;
    values.boreB = row->boreB;
    return values;
}

} // namespace

QStringList platePressureTexts()
{
    return {"0.25", "0.6", "1.0", "1.6", "2.5"};
}

void runPlateQuery(QueryRun &run, PressureIndex pressure, std::optional<PipeSeries> series)
{
    using namespace PlateBox;
    const PlateWorkingValues row = lookUpRow(run, pressure);

    // Without a series nothing is written and the area keeps the bore.
    WorkingValue bore;
    if (series) {
        const bool a = *series == PipeSeries::A;
        bore = a ? row.boreA : row.boreB;
        run.write(Bore, bore.text());
        run.write(PipeOutside, (a ? row.pipeOutsideA : row.pipeOutsideB).text());
    }

    // D and C come from the boxes, so a value typed over a rejected query still counts.
    const double outside = run.number(OutsideDiameter);
    const double thickness = run.number(Thickness);
    const double area =
        plateNetArea(outside, row.holeCount.number(), row.holeDiameter.number(), bore.number());
    const double weight = plateNetWeight(area, thickness);

    run.write(NetArea, resultText(area));
    run.write(NetWeight, resultText(weight));
    run.write(BoltHoles, boltHoleCallout(row.holeCount, row.holeDiameter));
}
