#include "core/weldneck/weldneckquery.h"

#include "core/values/numberreading.h"
#include "core/values/queryrun.h"
#include "core/values/valuetext.h"
#include "core/values/workingvalue.h"
#include "core/weldneck/weldneckflangeresults.h"

#include <QString>

using namespace WeldNeckBox;

QStringList weldNeckPressureTexts()
{
    return {"1.0", "1.6", "2.5", "4.0", "6.3", "10.0", "16.0", "25.0"};
}

void runWeldNeckQuery(QueryRun &run, PressureIndex pressure, std::optional<PipeSeries> series)
{
    const std::optional<NominalDiameter> dn = readNominalDiameter(run.text(Dn));

    // Working values of this press only; they stay empty when no row is found.
    WorkingValue weldEndA, weldEndB, holeCount, holeDiameter, hubA, hubB;

    if (pressure >= 0 && pressure < WeldNeckPressureCount) {
        const WeldNeckFlangeRow *row = dn ? findWeldNeckFlangeRow(pressure, *dn) : nullptr;
        if (row) {
            run.write(OutsideDiameter, plainNumberText(row->outsideDiameter));
            run.write(BoltCircle, plainNumberText(row->boltCircle));
            run.write(Bolt, QString::fromUtf8(row->bolt));
            run.write(Thickness, plainNumberText(row->thickness));
            run.write(WallThickness, plainNumberText(row->wallThickness));
            run.write(NeckHeight, plainNumberText(row->neckHeight));
            run.write(FilletRadius, plainNumberText(row->filletRadius));
            run.write(OverallHeight, plainNumberText(row->overallHeight));
            weldEndA = row->weldEndDiameterA;
            weldEndB = row->weldEndDiameterB;
            holeCount = row->holeCount;
            holeDiameter = row->holeDiameter;
            hubA = row->hubDiameterA;
            hubB = row->hubDiameterB;
        } else {
            run.message(QStringLiteral("请确认公称通径！"));
        }
    }

    // With no series chosen no weight is computed, and the box shows 0.00.
    QString weightText = resultText(0);
    if (series) {
        const bool a = *series == PipeSeries::A;
        const WorkingValue &weldEnd = a ? weldEndA : weldEndB;
        const WorkingValue &hub = a ? hubA : hubB;
        run.write(WeldEndDiameter, weldEnd.text());
        run.write(HubDiameter, hub.text());
        if (weldEnd.isText() || hub.isText()) {
            // The size has no form in this series ("-"): there is no weight to give either.
            weightText = weldEnd.isText() ? weldEnd.text() : hub.text();
        } else {
            weightText = resultText(weldNeckWeight(
                run.number(OutsideDiameter), run.number(Thickness), holeCount.number(),
                holeDiameter.number(), hub.number(), weldEnd.number(), run.number(WallThickness),
                run.number(OverallHeight)));
        }
    } else {
        run.message(QStringLiteral("请确定焊端外径！"));
    }

    run.write(BoltHoles, boltHoleCallout(holeCount, holeDiameter));
    run.write(NetWeight, weightText);
}
