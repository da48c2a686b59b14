// quorvit lookup KIND PN DN [--series A|B] [--format text|json|csv]
// quorvit lookup MARKING [--format text|json|csv]
#include "catalogue/flangeinput.h"
#include "catalogue/flangemarking.h"
#include "cli/commandarguments.h"
#include "cli/flangearguments.h"
#include "cli/textformat.h"

namespace
{

// The row a whole marking names ("HG 20595 法兰 WN100-2.5 RF S=4 20"); a --series must agree
// with the series it writes (A when it writes none).
FlangeRecord markedFlange(const QString &text, const CommandArguments &arguments)
{
    if (readFlangeKind(text))
        failUsage(QStringLiteral("missing PN"));
    const ValueReading<FlangeMarking> marking = readFlangeMarking(text);
    if (!marking && marking.unreadable)
        failUsage(QStringLiteral("%1 is neither a flange kind nor a flange marking (as "
                                 "\"HG 20592 法兰 PL 100(B)-1.6 RF\")")
                      .arg(quotedInput(text)));
    if (!marking)
        failRejected({marking.reason});
    if (arguments.isSet(QStringLiteral("series")) && seriesOption(arguments) != marking->series)
        failUsage(QStringLiteral("--series %1 contradicts the marking's series %2")
                      .arg(seriesText(seriesOption(arguments)), seriesText(marking->series)));
    // The kind with the marking's face code, so that a face the kind is not made with is refused.
    return flangeArgument(marking->fields().first(), marking->pressure, marking->dn,
                          marking->series);
}

int runLookup(const CommandArguments &arguments, const ProgramParts &)
{
    const QStringList given = arguments.positional();
    if (given.size() == 2)
        failUsage(QStringLiteral("missing DN"));
    const OutputFormat format = formatOption(arguments);
    FlangeRecord record;
    if (given.size() == 1) {
        record = markedFlange(given[0], arguments);
    } else {
        kindArgument(given[0]); // an unreadable kind is named before the DN
        const int dn = dnArgument(given[2]);
        const PipeSeries series = seriesOption(arguments);
        record = flangeArgument(given[0], given[1], dn, series);
    }
    writeOut(formatRecords(record.kind, {record}, format, RecordLayout::One));
    return ExitSuccess;
}

} // namespace

Command lookupCommand()
{
    CommandPositional kind = kindPositional();
    kind.name = QStringLiteral("KIND|MARKING");
    kind.description += QStringLiteral(
        ";\nor alone, a whole marking: \"HG 20595 法兰 WN 100-2.5 RF\" (its standard's\n"
        "number, (B) for series B, the PN after the dash)");
    CommandPositional pressure = pressurePositional();
    CommandPositional dn = dnPositional();
    pressure.optional = dn.optional = true;
    return {QStringLiteral("lookup"),
            QStringLiteral("the dimensions, bolting, area and weight of one flange"),
            {kind, pressure, dn},
            {seriesOptionEntry(),
             formatOptionEntry(
                 QStringLiteral("text (default), json (one object) or csv (header and one line)"))},
            {},
            runLookup};
}
