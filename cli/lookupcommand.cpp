// quorvit lookup KIND PN DN [--series A|B] [--format text|json|csv]
// quorvit lookup KIND CLASS SIZE [--schedule STD|XS|…] [--format text|json|csv]
// quorvit lookup MARKING [--format text|json|csv]
#include "catalogue/classseries.h"
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
        refuseSchedule(arguments);
        record = markedFlange(given[0], arguments);
    } else if (const FlangeKind kind = anyKindArgument(given[0]);
               const std::optional<Rating> rating = classArgument(kind, given[1])) {
        const QString schedule = classOptions(given[0], kind, arguments);
        record = classFlangeArgument(kind, *rating, given[2], schedule);
    } else {
        refuseSchedule(arguments);
        if (kind == FlangeKind::Blind)
            failRejected(failureLines(onlyInClassSeries(kind)));
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
    kind.description = helpSource(QT_TRANSLATE_NOOP(
        "CommandHelp", "PL、SO 或 WN（大小写均可，也可写 WN-RF），\n或 板式平焊、带颈平焊、带颈对焊（法兰）；\n"
                       "Class 系列另有 BL（法兰盖）；\n"
                       "或只写一个完整的标记：\"HG 20595 法兰 WN 100-2.5 RF\"（标准号，\n"
                       "(B) 表示 B 系列，横线后是公称压力）"));
    CommandPositional pressure = classRatingPositional();
    CommandPositional dn = pipeSizePositional();
    pressure.optional = dn.optional = true;
    return {QStringLiteral("lookup"),
            helpSource(QT_TRANSLATE_NOOP("CommandHelp", "一片法兰的尺寸、螺栓、面积和重量")),
            {kind, pressure, dn},
            {seriesOptionEntry(), scheduleOptionEntry(),
             formatOptionEntry(helpSource(QT_TRANSLATE_NOOP(
                 "CommandHelp", "text（默认）、json（一个对象）或 csv（表头和一行）")))},
            {},
            runLookup};
}
