// quorvit drawing KIND PN DN [--series A|B] -o FILE|- [--format dxf|svg|pdf]
//                 [--drawing-number TEXT] [--material TEXT] [--designer TEXT]
#include "catalogue/flangeinput.h"
#include "cli/commandarguments.h"
#include "cli/commandline.h"
#include "cli/flangearguments.h"
#include "exports/exportformat.h"
#include "exports/flangedrawing.h"

#include <tuple>

namespace
{

// The format --format names, else the one the file's extension names; a DXF on standard
// output.
std::optional<ExportFormat> chosenFormat(const QString &formatText, const QString &file)
{
    if (!formatText.isEmpty())
        return readExportFormat(formatText);
    if (file == QLatin1String("-"))
        return ExportFormat::Dxf;
    return exportFormatOfPath(file);
}

// The title block's entries from --drawing-number, --material and --designer; one that does
// not fit its cell is a usage error.
TitleEntries titleEntries(const CommandArguments &arguments)
{
    TitleEntries entries;
    const std::tuple<const char *, TitleEntry, QString *> given[] = {
        {"drawing-number", TitleEntry::DrawingNumber, &entries.drawingNumber},
        {"material", TitleEntry::Material, &entries.material},
        {"designer", TitleEntry::Designer, &entries.designer},
    };
    for (const auto &[name, entry, value] : given) {
        *value = arguments.value(QLatin1String(name)).trimmed();
        if (!fitsTitleBlock(entry, *value))
            failUsage(QStringLiteral("--%1 '%2' is too long for its cell in the title block")
                          .arg(QLatin1String(name), value->left(60)));
    }
    return entries;
}

// A DXF is written with dxflib on Qt Core; SVG and PDF are painted, on a QGuiApplication. A
// format that cannot be told is a usage error, told where the command line was given.
CommandNeeds drawingNeeds(const CommandArguments &arguments)
{
    const std::optional<ExportFormat> chosen = chosenFormat(
        arguments.value(QStringLiteral("format")), arguments.value(QStringLiteral("output")));
    if (!chosen)
        return CommandNeeds::Core;
    return exportNeedsGui(*chosen) ? CommandNeeds::Painting : CommandNeeds::Formats;
}

int runDrawing(const CommandArguments &arguments, const ProgramParts &parts)
{
    const QStringList given = arguments.positional();
    const FlangeKind kind = kindArgument(given[0]);
    const int dn = dnArgument(given[2]);
    const PipeSeries series = seriesOption(arguments);
    const QString file = arguments.value(QStringLiteral("output"));
    if (file.isEmpty())
        failUsage(QStringLiteral("missing output file (-o FILE)"));
    const QString formatText = arguments.value(QStringLiteral("format"));
    const std::optional<ExportFormat> format = chosenFormat(formatText, file);
    if (!format)
        failUsage(
            formatText.isEmpty()
                ? QStringLiteral("cannot tell the format from '%1' (name it with --format "
                                 "dxf, svg or pdf)")
                      .arg(file.left(60))
                : QStringLiteral("unknown format '%1' (dxf, svg or pdf)").arg(formatText.left(40)));
    const TitleEntries entries = titleEntries(arguments);
    const FlangeRecord record = flangeArgument(kind, given[1], dn, series);
    QString why = undrawableReason(record);
    if (why.isEmpty())
        why = *format == ExportFormat::Dxf ? parts.writeDxf(buildFlangeSheet(record, entries), file)
                                           : parts.exportFlange(record, *format, file, entries);
    if (!why.isEmpty())
        failRejected({why});
    return ExitSuccess;
}

} // namespace

Command drawingCommand()
{
    const auto entry = [](const char *name, const char *description) {
        return CommandOption{
            {QLatin1String(name)}, QStringLiteral("TEXT"), helpSource(description)};
    };
    return {QStringLiteral("drawing"),
            helpSource(
                QT_TRANSLATE_NOOP("CommandHelp", "一片法兰的图纸（DXF、SVG）或它的数据表（PDF）")),
            {kindPositional(), pressurePositional(), dnPositional()},
            {seriesOptionEntry(),
             {{QStringLiteral("o"), QStringLiteral("output")},
              QStringLiteral("FILE"),
              helpSource(QT_TRANSLATE_NOOP("CommandHelp",
                                           "要写的文件；原有的文件只被完整写成的新文件替换；\n- "
                                           "写到标准输出（DXF，除非 --format 另指格式）")),
              true},
             {{QStringLiteral("format")},
              QStringLiteral("dxf|svg|pdf"),
              helpSource(QT_TRANSLATE_NOOP(
                  "CommandHelp", "dxf（CAD：法兰按 1:1 "
                                 "以毫米绘制，图框和标题栏按出图比例）、\nsvg（按图幅大小的图纸）或"
                                 " pdf（图纸和全部数值的表）；\n不写时按文件的扩展名"))},
             entry("drawing-number", QT_TRANSLATE_NOOP("CommandHelp", "填写标题栏的“图号”栏")),
             entry("material", QT_TRANSLATE_NOOP("CommandHelp", "填写标题栏的“材料”栏")),
             entry("designer", QT_TRANSLATE_NOOP("CommandHelp", "填写标题栏的“设计”栏"))},
            helpSource(QT_TRANSLATE_NOOP(
                "CommandHelp",
                "图幅为 A4 或 A3（GB/T 14689），比例取 GB/T 14690 中能容纳各视图的最大比例。\n")),
            runDrawing,
            drawingNeeds};
}
