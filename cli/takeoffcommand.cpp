// quorvit takeoff FILE [-o OUT] [--format text|csv|json|xlsx] [--sheet NAME]
#include "cli/commandarguments.h"
#include "cli/textformat.h"
#include "exports/formatlibraries.h"
#include "exports/takeofflist.h"
#include "takeoff/takeoffrun.h"
#include "takeoff/takeofftextwriters.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <memory>
#include <unistd.h>

namespace
{

enum class TakeoffFormat { Text, Csv, Json, Xlsx };
const QStringList FormatNames = {"text", "csv", "json", "xlsx"};

// Reasons printed on stderr before the rest are only counted: the output keeps every one.
constexpr qint64 ReasonsOnStderr = 100;

// --format, else the output's extension (".csv", ".json", ".xlsx"), else text.
TakeoffFormat takeoffFormat(const CommandArguments &arguments, const QString &outPath)
{
    if (!arguments.isSet(QStringLiteral("format"))) {
        const qsizetype byExtension = FormatNames.indexOf(QFileInfo(outPath).suffix().toLower());
        return byExtension > 0 ? TakeoffFormat(byExtension) : TakeoffFormat::Text;
    }
    const QString text = arguments.value(QStringLiteral("format")).toLower();
    if (!FormatNames.contains(text))
        failUsage(QStringLiteral("format '%1' is not text, csv, json or xlsx").arg(text.left(40)));
    return TakeoffFormat(FormatNames.indexOf(text));
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

// "12,345".
QString grouped(qint64 count)
{
    QString digits = QString::number(count);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, u',');
    return digits;
}

} // namespace

int runTakeoff(CommandArguments &arguments)
{
    arguments.addOption(QStringLiteral("o"), QStringLiteral("OUT"));
    arguments.addOption(QStringLiteral("format"), QStringLiteral("FORMAT"));
    arguments.addOption(QStringLiteral("sheet"), QStringLiteral("NAME"));
    if (!arguments.parse(1, 1))
        return ExitSuccess;
    const QString outPath = arguments.value(QStringLiteral("o"));
    const TakeoffFormat format = takeoffFormat(arguments, outPath);
    if (format == TakeoffFormat::Xlsx && outPath.isEmpty() && isatty(STDOUT_FILENO))
        failUsage(QStringLiteral("a spreadsheet is not for a terminal: give -o OUT.xlsx"));

    const QString inPath = arguments.positional().constFirst();
    const bool fromStdin = inPath == QLatin1String("-");
    const QString what = fromStdin ? QStringLiteral("standard input") : inPath;
    QFile input(inPath);
    const bool opened =
        fromStdin ? input.open(stdin, QIODevice::ReadOnly) : input.open(QIODevice::ReadOnly);
    if (!opened)
        failRejected({listUnreadable(what, input.errorString()).english});
    TakeoffReason unreadable;
    const std::unique_ptr<ListRows> rows =
        openTakeoffList(input, what, arguments.value(QStringLiteral("sheet")), unreadable);
    if (!rows)
        failRejected({unreadable.english});

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
    qint64 failed = 0;
    const TakeoffTotals totals = computeTakeoff(*rows, *writer, [&](const TakeoffLine &line) {
        if (++failed <= ReasonsOnStderr)
            writeErr(QStringLiteral("quorvit takeoff: %1\n").arg(line.reason.english));
    });
    if (failed > ReasonsOnStderr)
        writeErr(QStringLiteral("quorvit takeoff: …and %1 more lines failed; all are in the "
                                "output\n")
                     .arg(grouped(failed - ReasonsOnStderr)));
    // A list that could not be read to its end is refused: the output would be a part of it.
    if (const TakeoffReason stopped = rows->failure(); !stopped.isEmpty()) {
        file.cancelWriting();
        failRejected({stopped.english});
    }
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
