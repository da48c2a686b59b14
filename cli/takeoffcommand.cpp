// quorvit takeoff FILE [-o OUT] [--format text|csv|json|xlsx] [--sheet NAME] [--as-read]
// [--exit-zero]
#include "cli/commandarguments.h"
#include "cli/commandline.h"
#include "cli/textformat.h"
#include "files/atomicfile.h"
#include "files/filename.h"
#include "files/takeofflist.h"
#include "takeoff/listasread.h"
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
    std::unique_ptr<ListRows> rows =
        openTakeoffList(input, what, arguments.value(QStringLiteral("sheet")), unreadable);
    if (!rows)
        failRejected({unreadable.english});
    if (arguments.isSet(QStringLiteral("as-read")))
        rows = std::make_unique<ListAsReadRows>(std::move(rows));

    TakeoffTotals totals;
    TakeoffReason stopped; // a list that could not be read to its end: no output is a part of it
    qint64 reported = 0;   // failed and skipped lines
    const auto produce = [&](QIODevice &output) {
        const std::unique_ptr<TakeoffWriter> writer = makeWriter(format, output, parts);
        totals = computeTakeoff(*rows, *writer, [&](const TakeoffLine &line) {
            if (++reported <= ReasonsOnStderr)
                writeErr(
                    QStringLiteral("quorvit takeoff: %1\n").arg(oneLineText(line.reason.english)));
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
            why = cannotWriteStandardOutput(reason);
    }
    if (reported > ReasonsOnStderr)
        writeErr(QStringLiteral("quorvit takeoff: …and %1 more lines failed or were skipped; all "
                                "are in the output\n")
                     .arg(grouped(reported - ReasonsOnStderr)));
    if (!stopped.isEmpty())
        failRejected({stopped.english});
    if (!why.isEmpty())
        failRejected({why});
    // Written whole: with --exit-zero, what the output says of its lines and totals is no
    // failure of the command.
    if (arguments.isSet(QStringLiteral("exit-zero")))
        return ExitSuccess;
    if (const QString exceeded = totals.exceeded(); !exceeded.isEmpty())
        failRejected({QStringLiteral("no totals: %1").arg(exceeded)});
    return totals.failedLines() > 0 ? ExitRejected : ExitSuccess;
}
// A spreadsheet is written with libxlsxwriter; every other format on Qt Core alone.
CommandNeeds takeoffNeeds(const CommandArguments &arguments)
{
    return takeoffFormat(arguments, arguments.value(QStringLiteral("o"))) == TakeoffFormat::Xlsx
               ? CommandNeeds::Spreadsheet
               : CommandNeeds::Core;
}

} // namespace

Command takeoffCommand()
{
    return {
        QStringLiteral("takeoff"),
        helpSource(QT_TRANSLATE_NOOP("CommandHelp", "一张法兰清单逐行的重量和螺栓，以及合计")),
        {{QStringLiteral("FILE"),
          helpSource(QT_TRANSLATE_NOOP(
              "CommandHelp",
              "清单：CSV 或制表符分隔的文本（UTF-8、GB18030 或带字节顺序标记的 UTF-16），\n或 xlsx "
              "工作簿；按表头的列名找列（类型/型式/type、公称压力/压力/PN、\n系列/series、公称直径/"
              "通径/DN/size、数量/件数/qty，或写标准标记的 标记/规格\n列），按列名所写的单位读"
              "（公称压力(bar)、数量(副)、一行单位），\n表头上方的标题行写在表的上方，其他各列原样"
              "带出；没有表头时各列依次为类型、\n公称压力、系列、公称直径、数量；- 读标准输入"))}},
        {{{QStringLiteral("o")},
          QStringLiteral("OUT"),
          helpSource(
              QT_TRANSLATE_NOOP("CommandHelp", "写到 OUT（完整写成后才替换）而不是标准输出"))},
         {{QStringLiteral("format")},
          QStringLiteral("text|csv|json|xlsx"),
          helpSource(QT_TRANSLATE_NOOP(
              "CommandHelp",
              "text、csv（带字节顺序标记，供电子表格打开）、json 或 xlsx；默认按 OUT "
              "的\n扩展名，否则为 text（标准输出不是终端时才把 xlsx 写到标准输出）"))},
         {{QStringLiteral("sheet")},
          QStringLiteral("NAME"),
          helpSource(QT_TRANSLATE_NOOP("CommandHelp", "要读的工作表（不写时读第一个）"))},
         {{QStringLiteral("as-read")},
          {},
          helpSource(QT_TRANSLATE_NOOP("CommandHelp",
                                       "清单是已经读过的各行（批量计算窗口交给本命令的形式）：每行"
                                       "前五列\n为行号、跳过的原因和"
                                       "出错的原因（中文、英文），各行保留这些，\n不再判断"))},
         {{QStringLiteral("exit-zero")},
          {},
          helpSource(QT_TRANSLATE_NOOP("CommandHelp",
                                       "结果完整写出即退出码为 0，即使有不能计算的行或超出范围的"
                                       "\n合计（结果中已注明）"))}},
        helpSource(QT_TRANSLATE_NOOP(
            "CommandHelp",
            "合计：法兰数、重量，以及各副法兰的螺栓（按带长度的规格）、螺母（按螺纹）和\n垫片（按密"
            "封面、公称直径和压力；两片法兰为一副）；清单有材质列\n（材质/材料/"
            "material）时按材质分开。\n不能计算的行保留原位并注明原因（text、CSV 和 xlsx "
            "中用所选的语言，JSON 和\n标准错误输出中用英文，后者只列前 100 "
            "条），不计入合计；此时退出码为 1。\n小计、注释、单位行和重复的表头作为跳过的行列出，"
            "不影响退出码；\n每条原因都按清单自己的行号注明。")),
        runTakeoff,
        takeoffNeeds};
}
