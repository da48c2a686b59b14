// quorvit lookup KIND PN DN [--series A|B] [--format text|json|csv]
#include "catalogue/flangeinput.h"
#include "cli/commandarguments.h"
#include "cli/flangearguments.h"
#include "cli/textformat.h"

int runLookup(CommandArguments &arguments)
{
    addFlangeOptions(arguments);
    if (!arguments.parse(3, 3))
        return ExitSuccess;
    const QStringList given = arguments.positional();
    const FlangeKind kind = kindArgument(given[0]);
    const int dn = dnArgument(given[2]);
    const PipeSeries series = seriesOption(arguments);
    const OutputFormat format = formatOption(arguments);
    const FlangeRecord record = flangeArgument(kind, given[1], dn, series);
    writeOut(formatRecords(kind, {record}, format, RecordLayout::One));
    return ExitSuccess;
}
