// quorvit takeoff FILE [-o OUT] [--format text|csv|json|xlsx]
#include "cli/commandarguments.h"
#include "cli/textformat.h"
#include "exports/atomicfile.h"
#include "exports/formatlibraries.h"
#include "takeoff/listsize.h"
#include "takeoff/takeoffrun.h"
#include "takeoff/takeofftextwriters.h"

#include <QFile>
#include <memory>
#include <unistd.h>

namespace
{

enum class TakeoffFormat { Text, Csv, Json, Xlsx };

TakeoffFormat takeoffFormat(const CommandArguments &arguments)
{
    if (!arguments.isSet(QStringLiteral("format")))
        return TakeoffFormat::Text;
    const QString text = arguments.value(QStringLiteral("format")).toLower();
    const QStringList names = {"text", "csv", "json", "xlsx"};
    if (!names.contains(text))
        failUsage(QStringLiteral("format '%1' is not text, csv, json or xlsx").arg(text.left(40)));
    return TakeoffFormat(names.indexOf(text));
}

// The writer of the format, or nullptr with the reason (the spreadsheet's module may be missing).
std::unique_ptr<TakeoffWriter> makeWriter(TakeoffFormat format, QIODevice &device, QString &reason)
{
    switch (format) {
    case TakeoffFormat::Csv:
        return std::make_unique<TakeoffCsvWriter>(device);
    case TakeoffFormat::Json:
        return std::make_unique<TakeoffJsonWriter>(device);
    case TakeoffFormat::Xlsx:
        return makeSpreadsheetWriter(device, &reason);
    case TakeoffFormat::Text:
        break;
    }
    return std::make_unique<TakeoffTableWriter>(device);
}

int runTakeoff(const CommandArguments &arguments)
{
    const TakeoffFormat format = takeoffFormat(arguments);
    const bool toFile = arguments.isSet(QStringLiteral("o"));
    const QString outPath = arguments.value(QStringLiteral("o"));
    if (toFile && outPath.isEmpty())
        failUsage(QStringLiteral("-o needs a file name (leave -o out for standard output)"));
    if (format == TakeoffFormat::Xlsx && !toFile && isatty(STDOUT_FILENO))
        failUsage(QStringLiteral("a spreadsheet is not for a terminal: give -o OUT.xlsx"));

    const QString inPath = arguments.positional().constFirst();
    const bool fromStandardInput = inPath == QLatin1String("-");
    if (toFile && !fromStandardInput && isSameFile(inPath, outPath))
        failRejected({QStringLiteral("cannot write %1: it would overwrite the line list being read")
                          .arg(outPath)});
    QFile input(inPath);
    const bool opened = fromStandardInput ? input.open(stdin, QIODevice::ReadOnly)
                                          : input.open(QIODevice::ReadOnly);
    if (!opened)
        failRejected({QStringLiteral("cannot read %1: %2").arg(inPath, input.errorString())});
    // A sheet too small for the list is told before the list is read, where its size shows.
    if (const qint64 lines = format == TakeoffFormat::Xlsx ? countListLines(input) : -1;
        lines + 1 > SpreadsheetRows)
        failRejected({QStringLiteral("%1 has %2 lines; with its header and totals they do not fit "
                                     "in the %3 rows of a sheet (csv has no such limit)")
                          .arg(inPath)
                          .arg(lines)
                          .arg(SpreadsheetRows)});

    TakeoffTotals totals;
    const auto produce = [&](QIODevice &output) {
        QString reason;
        const std::unique_ptr<TakeoffWriter> writer = makeWriter(format, output, reason);
        if (!writer)
            return reason;
        totals = computeTakeoff(input, *writer, [&](const QString &failed) {
            writeErr(QStringLiteral("quorvit takeoff: %1\n").arg(failed));
        });
        writer->finish(reason);
        return reason;
    };
    QString why;
    if (toFile) {
        why = writeOutputFile(outPath, produce);
    } else {
        QFile standardOutput;
        standardOutput.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered);
        if (const QString reason = produce(standardOutput); !reason.isEmpty())
            why = QStringLiteral("cannot write the output: %1").arg(reason);
    }
    if (!why.isEmpty())
        failRejected({why});
    return totals.failedLines() > 0 ? ExitRejected : ExitSuccess;
}

} // namespace

Command takeoffCommand()
{
    return {
        QStringLiteral("takeoff"),
        QStringLiteral("the weights and bolts of a list of flanges, line by line, with totals"),
        {{QStringLiteral("FILE"),
          QStringLiteral(
              "a list, one flange per line: kind, pressure, series, dn, quantity, separated\n"
              "by commas or tabs (a block pasted from a spreadsheet); an optional header\n"
              "(kind,pressure,series,dn,quantity or 类型,公称压力,系列,公称直径,数量); blank\n"
              "lines and lines starting with # are skipped; UTF-8 or GB18030; - reads stdin")}},
        {{{QStringLiteral("o")},
          QStringLiteral("OUT"),
          QStringLiteral("write to OUT (replaced only when complete) instead of stdout")},
         {{QStringLiteral("format")},
          QStringLiteral("text|csv|json|xlsx"),
          QStringLiteral("text (default), csv (with a byte order mark for spreadsheets), json or "
                         "xlsx\n(xlsx goes to stdout only when stdout is not a terminal)")}},
        QStringLiteral("A line that cannot be taken off keeps its place with the reason, which also "
                       "goes to\nstderr, and counts for nothing in the totals; the exit code is "
                       "then 1."),
        runTakeoff};
}
