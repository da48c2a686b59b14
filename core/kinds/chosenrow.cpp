#include "core/kinds/chosenrow.h"

#include "core/kinds/querymessages.h"
#include "core/values/numberreading.h"
#include "core/values/queryrun.h"

std::optional<FlangeRow> chooseRow(QueryRun &run, FlangeKind kind, int dnBox,
                                   PressureIndex pressure, bool seriesChosen,
                                   std::span<const int> resultBoxes)
{
    const QueryMessages &messages = queryMessages(kind);
    std::optional<FlangeRow> row;
    if (pressure < 0 || pressure >= flangePressureCount(kind)) {
        run.message(messages.noPressure);
    } else {
        const std::optional<NominalDiameter> dn = readNominalDiameter(run.text(dnBox));
        row = dn ? findFlangeRow(kind, pressure, *dn) : std::nullopt;
        if (!row)
            run.message(messages.diameterNotListed);
    }
    if (!seriesChosen)
        run.message(messages.noSeries);
    if (row && seriesChosen)
        return row;
    for (int box : resultBoxes)
        run.write(box, QString());
    return std::nullopt;
}
