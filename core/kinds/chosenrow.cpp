#include "core/kinds/chosenrow.h"

#include "core/kinds/querymessages.h"
#include "core/values/numberreading.h"
#include "core/values/queryrun.h"

#include <QStringList>

std::optional<FlangeRow> chooseRow(QueryRun &run, FlangeKind kind, int dnBox,
                                   PressureIndex pressure, bool seriesChosen,
                                   std::span<const int> resultBoxes)
{
    const QueryMessages messages = queryMessages(kind);
    QStringList missing;
    std::optional<FlangeRow> row;
    if (pressure < 0 || pressure >= flangePressureCount(kind)) {
        missing.append(messages.noPressure);
    } else {
        const std::optional<NominalDiameter> dn = readNominalDiameter(run.text(dnBox));
        row = dn ? findFlangeRow(kind, pressure, *dn) : std::nullopt;
        if (!row)
            missing.append(messages.diameterNotListed);
    }
    if (!seriesChosen)
        missing.append(messages.noSeries);
    if (missing.isEmpty())
        return row;
    // Emptied before the messages, so no message is shown beside numbers of no row.
    for (int box : resultBoxes)
        run.write(box, QString());
    for (const QString &message : missing)
        run.message(message);
    return std::nullopt;
}
