// quorvit table KIND [PN] [--series A|B] [--format text|json|csv]
// quorvit table KIND CLASS [--schedule STD|XS|…] [--format text|json|csv]; quorvit table BL [CLASS]
#include "catalogue/classseries.h"
#include "catalogue/sealingfaces.h"
#include "cli/commandarguments.h"
#include "cli/flangearguments.h"
#include "cli/textformat.h"

namespace
{

int runTable(const CommandArguments &arguments, const ProgramParts &)
{
    const QStringList given = arguments.positional();
    const FlangeKind kind = anyKindArgument(given[0]);
    const std::optional<Rating> classRating =
        given.size() > 1 ? classArgument(kind, given[1]) : std::nullopt;
    // The Class series when a class is given, and for the kinds only it lists (BL).
    if (classRating || kind == FlangeKind::Blind) {
        const QString schedule = classOptions(given[0], kind, arguments);
        const OutputFormat format = formatOption(arguments);
        if (kind == FlangeKind::Blind && given.size() > 1 && !classRating)
            failRejected(failureLines(onlyInClassSeries(kind)));
        writeOut(formatRecords(kind, classFlangeRecords(kind, classRating, schedule), format,
                               RecordLayout::List));
        return ExitSuccess;
    }
    refuseSchedule(arguments);
    const PipeSeries series = seriesOption(arguments);
    const OutputFormat format = formatOption(arguments);
    QList<FlangeRecord> records;
    if (given.size() > 1) {
        const Rating rating = pressureArgument(kind, given[1]);
        checkFace(kind, rating, given[0]);
        records = flangeRecords(kind, series, rating);
    } else {
        // A face code keeps the pressures the kind is made with in that face.
        const QString face = sealingFace(kindFaceCode(given[0]));
        for (const Rating &rating : listedRatings(kind))
            if (face.isEmpty() || listedFaces(kind, rating.pressureMpa().value_or(0)).contains(face))
                records += flangeRecords(kind, series, rating);
    }
    // A size without a form in the series (weld-neck PN 25.0 DN 200 and 250 in B) is no flange.
    records.removeIf([](const FlangeRecord &record) { return !record.weightKg; });
    writeOut(formatRecords(kind, records, format, RecordLayout::List));
    return ExitSuccess;
}

} // namespace

Command tableCommand()
{
    CommandPositional pressure = pressurePositional();
    pressure.description = helpSource(QT_TRANSLATE_NOOP(
        "CommandHelp", "只列这个公称压力（1.6、16bar 或 PN16）；不写时列出所有压力；\n"
                       "或 Class 等级（150、CL150、150#、PN20），列出 Class 系列（ASME B16.5）；\n"
                       "BL（法兰盖）只有 Class 系列"));
    pressure.optional = true;
    return {QStringLiteral("table"),
            helpSource(QT_TRANSLATE_NOOP("CommandHelp", "一种法兰所列的全部规格，每行一条")),
            {kindPositional(), pressure},
            {seriesOptionEntry(), scheduleOptionEntry(),
             formatOptionEntry(helpSource(QT_TRANSLATE_NOOP(
                 "CommandHelp", "text（默认）、json（对象数组）或 csv（表头，每行一条）")))},
            {},
            runTable};
}
