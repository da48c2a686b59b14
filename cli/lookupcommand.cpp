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
    const FlangeRecord record = flangeArgument(kind, given[1], dn, series);
    writeOut(formatRecords(kind, {record}, format, RecordLayout::One));
    return ExitSuccess;
}

} // namespace

Command lookupCommand()
{
    return {QStringLiteral("lookup"),
            helpSource(QT_TRANSLATE_NOOP("CommandHelp", "一片法兰的尺寸、螺栓、面积和重量")),
            {kindPositional(), pressurePositional(), dnPositional()},
            {seriesOptionEntry(),
             formatOptionEntry(helpSource(QT_TRANSLATE_NOOP(
                 "CommandHelp", "text（默认）、json（一个对象）或 csv（表头和一行）")))},
            {},
            runLookup};
}
