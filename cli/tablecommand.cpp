// quorvit table KIND [PN] [--series A|B] [--format text|json|csv]
#include "cli/commandarguments.h"
#include "cli/flangearguments.h"
#include "cli/textformat.h"

int runTable(CommandArguments &arguments)
{
    addFlangeOptions(arguments);
    if (!arguments.parse(1, 2))
        return ExitSuccess;
    const QStringList given = arguments.positional();
    const FlangeKind kind = kindArgument(given[0]);
    const PipeSeries series = seriesOption(arguments);
    const OutputFormat format = formatOption(arguments);
    std::optional<PressureIndex> pressure;
    if (given.size() > 1)
        pressure = pressureArgument(kind, given[1]);
    writeOut(
        formatRecords(kind, flangeRecords(kind, series, pressure), format, RecordLayout::List));
    return ExitSuccess;
}
