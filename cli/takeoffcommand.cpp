// quorvit takeoff FILE [-o OUT] [--format text|csv|json|xlsx]
#include "cli/commandarguments.h"
#include "cli/textformat.h"
#include "exports/formatlibraries.h"
#include "takeoff/takeoffrun.h"
#include "takeoff/takeofftextwriters.h"

#include <QFile>
#include <QSaveFile>
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

std::unique_ptr<TakeoffWriter> makeWriter(TakeoffFormat format, QIODevice &device)
{
    switch (format) {
    case TakeoffFormat::Csv:
        return std::make_unique<TakeoffCsvWriter>(device);
    case TakeoffFormat::Json:
        return std::make_unique<TakeoffJsonWriter>(device);
    case TakeoffFormat::Xlsx: {
        QString reason;
        if (std::unique_ptr<TakeoffWriter> writer = makeSpreadsheetWriter(device, &reason))
            return writer;
        throw CommandFailure{ExitRejected, {reason}};
    }
    case TakeoffFormat::Text:
        break;
    }
    return std::make_unique<TakeoffTableWriter>(device);
}

int runTakeoff(const CommandArguments &arguments)
{
    const TakeoffFormat format = takeoffFormat(arguments);
    const QString outPath = arguments.value(QStringLiteral("o"));
    if (format == TakeoffFormat::Xlsx && outPath.isEmpty() && isatty(STDOUT_FILENO))
        failUsage(QStringLiteral("a spreadsheet is not for a terminal: give -o OUT.xlsx"));

    const QString inPath = arguments.positional().constFirst();
    QFile input(inPath);
    const bool opened = inPath == QLatin1String("-") ? input.open(stdin, QIODevice::ReadOnly)
                                                     : input.open(QIODevice::ReadOnly);
    if (!opened)
        failRejected({QStringLiteral("cannot read %1: %2").arg(inPath, input.errorString())});

    QSaveFile file(outPath);
    QFile standardOutput;
    QIODevice *output = &file;
    if (outPath.isEmpty()) {
        standardOutput.open(stdout, QIODevice::WriteOnly);
        output = &standardOutput;
    } else if (!file.open(QIODevice::WriteOnly)) {
        failRejected({QStringLiteral("cannot write %1: %2").arg(outPath, file.errorString())});
    }

    const std::unique_ptr<TakeoffWriter> writer = makeWriter(format, *output);
    const TakeoffTotals totals = computeTakeoff(input, *writer, [&](const QString &reason) {
        writeErr(QStringLiteral("quorvit takeoff: %1\n").arg(reason));
    });
    QString error;
    if (!writer->finish(error) || (!outPath.isEmpty() && !file.commit())) {
        file.cancelWriting();
        const QString reason = error.isEmpty() ? file.errorString() : error;
        failRejected(
            {QStringLiteral("cannot write %1: %2")
                 .arg(outPath.isEmpty() ? QStringLiteral("the output") : outPath, reason)});
    }
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
