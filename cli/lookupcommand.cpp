// quorvit lookup KIND PN DN [--series A|B] [--format text|json|csv]
#include "catalogue/flangeinput.h"
#include "cli/commandarguments.h"
#include "cli/flangearguments.h"
#include "cli/textformat.h"

namespace
{

int runLookup(const CommandArguments &arguments, const ProgramParts &)
{
    const QStringList given = arguments.positional();
    const FlangeKind kind = kindArgument(given[0]);
    const int dn = dnArgument(given[2]);
    const PipeSeries series = seriesOption(arguments);
    const OutputFormat format = formatOption(arguments);
    const FlangeRecord record = flangeArgument(given[0], given[1], dn, series);
    writeOut(formatRecords(kind, {record}, format, RecordLayout::One));
    return ExitSuccess;
}

} // namespace

Command lookupCommand()
{
    return {QStringLiteral("lookup"),
            QStringLiteral("the dimensions, bolting, area and weight of one flange"),
            {kindPositional(), pressurePositional(), dnPositional()},
            {seriesOptionEntry(),
             formatOptionEntry(
                 QStringLiteral("text (default), json (one object) or csv (header and one line)"))},
            {},
            runLookup};
}
