// quorvit takeoff FILE [-o OUT] [--format text|csv|json|xlsx] [--sheet NAME]
#include "cli/commandarguments.h"
#include "cli/commandline.h"
#include "cli/textformat.h"
#include "exports/atomicfile.h"
#include "exports/filename.h"
#include "exports/takeofflist.h"
#include "takeoff/listsize.h"
#include "takeoff/takeoffrun.h"
#include "takeoff/takeofftextwriters.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
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

std::unique_ptr<TakeoffWriter> makeWriter(TakeoffFormat format, QIODevice &device,
                                          const ProgramParts &parts)
{
    switch (format) {
    case TakeoffFormat::Csv:
        return std::make_unique<TakeoffCsvWriter>(device);
    case TakeoffFormat::Json:
        return std::make_unique<TakeoffJsonWriter>(device);
    case TakeoffFormat::Xlsx:
        return parts.makeSpreadsheetWriter(device);
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

int runTakeoff(const CommandArguments &arguments, const ProgramParts &parts)
{
    const bool toFile = arguments.isSet(QStringLiteral("o"));
    const QString outPath = arguments.value(QStringLiteral("o"));
    const TakeoffFormat format = takeoffFormat(arguments, outPath);
    if (toFile && outPath.isEmpty())
        failUsage(QStringLiteral("-o needs a file name (leave -o out for standard output)"));
    if (format == TakeoffFormat::Xlsx && !toFile && isatty(STDOUT_FILENO))
        failUsage(QStringLiteral("a spreadsheet is not for a terminal: give -o OUT.xlsx"));

    const QString inPath = arguments.positional().constFirst();
    const bool fromStandardInput = inPath == QLatin1String("-");
    const QString what =
        fromStandardInput ? QStringLiteral("standard input") : shownFileName(inPath);
    QFile input;
    if (fromStandardInput) {
        input.open(stdin, QIODevice::ReadOnly);
    } else {
        // By the name's own bytes, which QFile would read as UTF-8.
        const int descriptor = ::open(fileNameBytes(inPath).constData(), O_RDONLY | O_CLOEXEC);
        struct stat status;
        const int error = descriptor < 0                      ? errno
                          : ::fstat(descriptor, &status) != 0 ? errno
                          : S_ISDIR(status.st_mode)           ? EISDIR
                                                              : 0;
        if (error != 0) {
            if (descriptor >= 0)
                ::close(descriptor);
            failRejected(
                {listUnreadable(what, QString::fromLocal8Bit(std::strerror(error))).english});
        }
        input.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    }
    // The output may not be the list itself, however named (a link, standard input, /dev/fd/N,
    // standard output redirected onto it), as cat refuses.
    const QString written = toFile ? outPath : QStringLiteral("/dev/stdout");
    if (isSameFile(input.handle(), written))
        failRejected(
            {QStringLiteral("cannot write %1: it would overwrite the line list being read")
                 .arg(toFile ? shownFileName(outPath) : QStringLiteral("standard output"))});
    // A sheet too small for a text list is told before the list is read, where its size shows.
    if (const qint64 lines =
            format == TakeoffFormat::Xlsx && !holdsWorkbook(input) ? countListLines(input) : -1;
        lines + 1 > SpreadsheetRows)
        failRejected({QStringLiteral("%1 has %2 lines; with its header and totals they do not fit "
                                     "in the %3 rows of a sheet (csv has no such limit)")
                          .arg(what)
                          .arg(lines)
                          .arg(SpreadsheetRows)});
    TakeoffReason unreadable;
    const std::unique_ptr<ListRows> rows =
        openTakeoffList(input, what, arguments.value(QStringLiteral("sheet")), unreadable);
    if (!rows)
        failRejected({unreadable.english});

    TakeoffTotals totals;
    TakeoffReason stopped; // a list that could not be read to its end: no output is a part of it
    qint64 failed = 0;
    const auto produce = [&](QIODevice &output) {
        const std::unique_ptr<TakeoffWriter> writer = makeWriter(format, output, parts);
        totals = computeTakeoff(*rows, *writer, [&](const TakeoffLine &line) {
            if (++failed <= ReasonsOnStderr)
                writeErr(QStringLiteral("quorvit takeoff: %1\n").arg(line.reason.english));
        });
        stopped = rows->failure();
        if (!stopped.isEmpty())
            return stopped.english;
        QString reason;
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
    if (failed > ReasonsOnStderr)
        writeErr(QStringLiteral("quorvit takeoff: …and %1 more lines failed; all are in the "
                                "output\n")
                     .arg(grouped(failed - ReasonsOnStderr)));
    if (!stopped.isEmpty())
        failRejected({stopped.english});
    if (!why.isEmpty())
        failRejected({why});
    if (const QString exceeded = totals.exceeded(); !exceeded.isEmpty())
        failRejected({QStringLiteral("no totals: %1").arg(exceeded)});
    return totals.failedLines() > 0 ? ExitRejected : ExitSuccess;
}
// A spreadsheet is written with libxlsxwriter; every other format on Qt Core alone.
CommandNeeds takeoffNeeds(const CommandArguments &arguments)
{
    return takeoffFormat(arguments, arguments.value(QStringLiteral("o"))) == TakeoffFormat::Xlsx
               ? CommandNeeds::Formats
               : CommandNeeds::Core;
}

} // namespace

Command takeoffCommand()
{
    return {
        QStringLiteral("takeoff"),
        QStringLiteral("the weights and bolts of a list of flanges, line by line, with totals"),
        {{QStringLiteral("FILE"),
          QStringLiteral(
              "a line list: CSV or tab-separated text (UTF-8, GB18030 or UTF-16 with a byte\n"
              "order mark) or an xlsx workbook; columns found by their header's names\n"
              "(类型/型式/type, 公称压力/压力/PN, 系列/series, 公称直径/通径/DN/size,\n"
              "数量/件数/qty, or a designation 标记/规格 holding a standard marking), title rows\n"
              "above the header skipped, every other column carried through; without a\n"
              "header: kind, pressure, series, dn, quantity; - reads stdin")}},
        {{{QStringLiteral("o")},
          QStringLiteral("OUT"),
          QStringLiteral("write to OUT (replaced only when complete) instead of stdout")},
         {{QStringLiteral("format")},
          QStringLiteral("text|csv|json|xlsx"),
          QStringLiteral("text, csv (with a byte order mark for spreadsheets), json or xlsx; by\n"
                         "default the one OUT's extension names, else text (xlsx goes to stdout\n"
                         "only when stdout is not a terminal)")},
         {{QStringLiteral("sheet")},
          QStringLiteral("NAME"),
          QStringLiteral("the workbook's sheet to read (the first when left out)")}},
        QStringLiteral("The totals: flanges, weight, and the joints' bolts by designation with "
                       "length,\nnuts by thread and gaskets by face, DN and pressure (two flanges "
                       "a joint), for\neach material when the list has a material column "
                       "(材质/材料/material).\nA line that cannot be taken off keeps its place "
                       "with the reason (Chinese in the\ntext, CSV and xlsx forms; English in JSON "
                       "and on stderr, the first 100 there),\nand counts for nothing in the "
                       "totals; the exit code is then 1."),
        runTakeoff,
        takeoffNeeds};
}
