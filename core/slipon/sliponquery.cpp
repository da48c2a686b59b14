#include "core/slipon/sliponquery.h"

#include "core/slipon/sliponflangetable.h"
#include "core/values/numberreading.h"
#include "core/values/queryrun.h"
#include "core/values/valuetext.h"
#include "core/values/workingvalue.h"

#include <cmath>

namespace
{

constexpr double Pi = 3.1415; // the constant the published weights were computed with
constexpr double SteelDensity = 7.85;

// What one press takes from the row; all empty when no row was found.
struct SlipOnValues {
    WorkingValue pipeA, pipeB, boltCount, holeDiameter, boreA, boreB, hubA, hubB;
};

SlipOnValues valuesOf(const SlipOnFlangeRow &row)
{
    return {row.pipeOutsideA, row.pipeOutsideB, double(row.boltCount), double(row.boltHoleDiameter),
            row.boreA,        row.boreB,        double(row.hubA),      double(row.hubB)};
}

} // namespace

QStringList slipOnPressureTexts()
{
    return {"0.6", "1.0", "1.6", "2.5", "4.0"};
}

void runSlipOnQuery(QueryRun &run, PressureRating pressure, PipeSeries series)
{
    using namespace SlipOnBox;
    const std::optional<NominalDiameter> dn = readNominalDiameter(run.text(Dn));

    SlipOnValues values;
    if (pressure >= 0 && pressure < SlipOnPressureCount) {
        const SlipOnFlangeRow *row = dn ? findSlipOnRow(pressure, *dn) : nullptr;
        if (row) {
            run.write(OutsideDiameter, plainNumberText(row->outsideDiameter));
            run.write(BoltCircle, plainNumberText(row->boltCircle));
            run.write(Thread, QString::fromUtf8(row->thread));
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
    if (series == SeriesA || series == SeriesB) {
        const bool a = series == SeriesA;
        const WorkingValue &bore = a ? values.boreA : values.boreB;
        const WorkingValue &hub = a ? values.hubA : values.hubB;
        run.write(PipeOutside, (a ? values.pipeA : values.pipeB).text());
        run.write(Bore, bore.text());
        run.write(Hub, hub.text());

        // D is whatever Text3 shows now, even when this press found no row.
        const double d = run.number(OutsideDiameter);
        const double b = bore.number();
        const double n = values.boltCount.number();
        const double l = values.holeDiameter.number();
        const double hubD = hub.number();
        plateArea = Pi * (std::pow(d, 2) - b * b - n * l * l) / 4000000;
        hubArea = Pi * (hubD * hubD - b * b) / 4000000;
    }

    run.write(BoltHoles, boltHoleCallout(values.boltCount, values.holeDiameter));

    const double c = run.number(Thickness);
    const double h = run.number(OverallHeight);
    const double weight = SteelDensity * (plateArea.number() * c + hubArea.number() * (h - c));

    // With no series the plate area is empty; it shows 0.00 like the weight.
    run.write(PlateArea, resultText(plateArea.number()));
    run.write(NetWeight, resultText(weight));
}
