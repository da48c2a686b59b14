#include "core/weldneck/weldneckquery.h"

#include "core/values/numberreading.h"
#include "core/values/queryrun.h"
#include "core/values/valuetext.h"
#include "core/values/workingvalue.h"
#include "core/weldneck/weldneckflangetable.h"

#include <QString>

using namespace WeldNeckBox;

double weldNeckWeight(double D, double C, double n, double L, double N, double E, double S,
                      double H)
{
    // 3.14 × 7.85 g/cm³; the lengths are mm, so four million turns mm³ into kg.
    const double bore = E - 2 * S;
    return 24.649 * (C * (D * D - n * L * L) + H * (N * N - bore * bore)) / 4000000;
}

QStringList weldNeckPressureTexts()
{
    return {"1.0", "1.6", "2.5", "4.0", "6.3", "10.0", "16.0", "25.0"};
}

void runWeldNeckQuery(QueryRun &run, PressureRating pressure, PipeSeries series)
{
    const std::optional<NominalDiameter> dn = readNominalDiameter(run.text(Dn));

    // Working values of this press only; they stay empty when no row is found.
    WorkingValue weldEndA, weldEndB, boltCount, boltHoleDiameter, hubRootA, hubRootB;

    if (pressure >= 0 && pressure < WeldNeckPressureCount) {
        const WeldNeckRow *row = dn ? findWeldNeckRow(pressure, *dn) : nullptr;
        if (row) {
            run.write(FlangeDiameter, plainNumberText(row->flangeDiameter));
            run.write(BoltCircle, plainNumberText(row->boltCircle));
            run.write(Thread, QString::fromUtf8(row->thread));
            run.write(RingThickness, plainNumberText(row->ringThickness));
            run.write(WeldEndWall, plainNumberText(row->weldEndWall));
            run.write(StraightNeckHeight, plainNumberText(row->straightNeckHeight));
            run.write(Radius, plainNumberText(row->radius));
            run.write(OverallHeight, plainNumberText(row->overallHeight));
            weldEndA = row->weldEndDiameterA;
            weldEndB = row->weldEndDiameterB;
            boltCount = row->boltCount;
            boltHoleDiameter = row->boltHoleDiameter;
            hubRootA = row->hubRootDiameterA;
            hubRootB = row->hubRootDiameterB;
        } else {
            run.message(QStringLiteral("请确认公称通径！"));
        }
    }

    // With no series chosen no weight is computed, and the box shows 0.00.
    QString weightText = resultText(0);
    if (series == SeriesA || series == SeriesB) {
        const WorkingValue &weldEnd = series == SeriesA ? weldEndA : weldEndB;
        const WorkingValue &hubRoot = series == SeriesA ? hubRootA : hubRootB;
        run.write(WeldEndDiameter, weldEnd.text());
        run.write(HubRootDiameter, hubRoot.text());
        if (weldEnd.isText() || hubRoot.isText()) {
            // The size has no form in this series ("-"): there is no weight to give either.
            weightText = weldEnd.isText() ? weldEnd.text() : hubRoot.text();
        } else {
            weightText = resultText(weldNeckWeight(
                run.number(FlangeDiameter), run.number(RingThickness), boltCount.number(),
                boltHoleDiameter.number(), hubRoot.number(), weldEnd.number(),
                run.number(WeldEndWall), run.number(OverallHeight)));
        }
    } else {
        run.message(QStringLiteral("请确定焊端外径！"));
    }

    run.write(BoltHoles, boltHoleCallout(boltCount, boltHoleDiameter));
    run.write(Weight, weightText);
}
