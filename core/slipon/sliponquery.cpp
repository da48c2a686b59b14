#include "core/slipon/sliponquery.h"

#include "core/slipon/sliponflangeresults.h"
#include "core/values/numberreading.h"
#include "core/values/queryrun.h"
#include "core/values/valuetext.h"
#include "core/values/workingvalue.h"


namespace
{

// What one press takes from the row; all empty when no row was found.
struct SlipOnValues {
    WorkingValue pipeA, pipeB, holeCount, holeDiameter, boreA, boreB, hubDiameterA, hubDiameterB;
};

SlipOnValues valuesOf(const SlipOnFlangeRow &row)
{
    return {row.pipeOutsideA, row.pipeOutsideB, double(row.holeCount),    double(row.holeDiameter),
            row.boreA,        row.boreB,        double(row.hubDiameterA), double(row.hubDiameterB)};
}

} // namespace

QStringList slipOnPressureTexts()
{
    return {"0.6", "1.0", "1.6", "2.5", "4.0"};
}

void runSlipOnQuery(QueryRun &run, PressureIndex pressure, std::optional<PipeSeries> series)
{
    using namespace SlipOnBox;
    const std::optional<NominalDiameter> dn = readNominalDiameter(run.text(Dn));

    SlipOnValues values;
    if (pressure >= 0 && pressure < SlipOnPressureCount) {
        const SlipOnFlangeRow *row = dn ? findSlipOnFlangeRow(pressure, *dn) : nullptr;
        if (row) {
            run.write(OutsideDiameter, plainNumberText(row->outsideDiameter));
            run.write(BoltCircle, plainNumberText(row->boltCircle));
            run.write(Bolt, QString::fromUtf8(row->bolt));
            run.write(Thickness, plainNumberText(row->thickness));
            run.write(FilletRadius, plainNumberText(row->filletRadius));
            run.write(OverallHeight, plainNumberText(row->overallHeight));
            // A row without a bevel leaves the last one shown.
            if (row->bevelWidth)
                run.write(BevelWidth, plainNumberText(*row->bevelWidth));
            values = valuesOf(*row);
        } else {
            run.message(SlipOnDiameterMessage);
        }
    } else {
        run.message(SlipOnPressureMessage);
    }

    WorkingValue plateArea, hubArea;
    if (series) {
        const bool a = *series == PipeSeries::A;
        const WorkingValue &bore = a ? values.boreA : values.boreB;
        const WorkingValue &hub = a ? values.hubDiameterA : values.hubDiameterB;
        run.write(PipeOutside, (a ? values.pipeA : values.pipeB).text());
        run.write(Bore, bore.text());
        run.write(HubDiameter, hub.text());

        // D is whatever Text3 shows now, even when this press found no row.
        plateArea = slipOnPlateArea(run.number(OutsideDiameter), bore.number(),
                                    values.holeCount.number(), values.holeDiameter.number());
        hubArea = slipOnHubArea(hub.number(), bore.number());
    }

    run.write(BoltHoles, boltHoleCallout(values.holeCount, values.holeDiameter));

    const double weight = slipOnNetWeight(plateArea.number(), hubArea.number(),
                                          run.number(Thickness), run.number(OverallHeight));

    // With no series the plate area is empty; it shows 0.00 like the weight.
    run.write(NetArea, resultText(plateArea.number()));
    run.write(NetWeight, resultText(weight));
}
