// quorvit table KIND [PN] [--series A|B] [--format text|json|csv]
#include "cli/commandarguments.h"
#include "cli/flangearguments.h"
#include "cli/textformat.h"

namespace
{

int runTable(const CommandArguments &arguments, const ProgramParts &)
{
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

} // namespace

Command tableCommand()
{
    CommandPositional pressure = pressurePositional();
    pressure.description = QStringLiteral(
        "only this nominal pressure (1.6, 16bar or PN16); every pressure when left out");
    pressure.optional = true;
    return {QStringLiteral("table"),
            QStringLiteral("every listed flange of a kind, one record per row"),
            {kindPositional(), pressure},
            {seriesOptionEntry(),
             formatOptionEntry(QStringLiteral("text (default), json (an array of objects) or csv "
                                              "(header and one line per row)"))},
            {},
            runTable};
}
