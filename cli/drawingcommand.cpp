// quorvit drawing KIND PN DN [--series A|B] -o FILE|- [--format dxf|svg|pdf] [--face CODE]
// quorvit drawing KIND CLASS SIZE [--schedule STD|XS|…] -o FILE|- …   (WN, SO, BL)
//                 [--drawing-number TEXT] [--material TEXT] [--designer TEXT]
//                 [--checker TEXT] [--date yyyy-mm-dd]
#include "catalogue/classseries.h"
#include "catalogue/flangeinput.h"
#include "cli/commandarguments.h"
#include "cli/commandline.h"
#include "cli/flangearguments.h"
#include "drawing/flangedrawing.h"
#include "files/exportformat.h"
#include "files/filename.h"

#include <QDate>
#include <QRegularExpression>
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

// The face the drawing is issued for: the kind's own code ("WN-FF"), else --face, else RF. A
// code that names no sealing face, or two different faces, is a usage error.
QString faceArgument(const QString &kindText, const QString &optionText)
{
    const QString inKind = kindFaceCode(kindText), option = optionText.trimmed().toUpper();
    if (!option.isEmpty() && sealingFace(option).isEmpty())
        failUsage(QStringLiteral("unknown sealing face '%1' (RF, FF, M, FM, T, G or RJ)")
                      .arg(option.left(20)));
    if (!inKind.isEmpty() && !option.isEmpty() && inKind.toUpper() != option)
        failUsage(QStringLiteral("the kind names the face %1 but --face names %2")
                      .arg(inKind, option.left(20)));
    return !inKind.isEmpty() ? inKind.toUpper() : option;
}

// The title block's entries from --drawing-number, --material, --designer, --checker and
// --date; one that does not fit its cell, or a date that is not a calendar date written
// yyyy-mm-dd, is a usage error.
TitleEntries titleEntries(const CommandArguments &arguments)
{
    TitleEntries entries;
    const std::tuple<const char *, TitleEntry, QString *> given[] = {
        {"drawing-number", TitleEntry::DrawingNumber, &entries.drawingNumber},
        {"material", TitleEntry::Material, &entries.material},
        {"designer", TitleEntry::Designer, &entries.designer},
        {"checker", TitleEntry::Checker, &entries.checker},
        {"date", TitleEntry::Date, &entries.date},
    };
    for (const auto &[name, entry, value] : given) {
        *value = arguments.value(QLatin1String(name)).trimmed();
        if (!fitsTitleBlock(entry, *value))
            failUsage(QStringLiteral("--%1 '%2' is too long for its cell in the title block")
                          .arg(QLatin1String(name), value->left(60)));
    }
    static const QRegularExpression iso(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    if (!entries.date.isEmpty() && (!iso.match(entries.date).hasMatch() ||
                                    !QDate::fromString(entries.date, Qt::ISODate).isValid()))
        failUsage(QStringLiteral("--date '%1' is not a date written yyyy-mm-dd (as 2026-12-07)")
                      .arg(entries.date.left(40)));
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
    return exportNeedsGui(*chosen) ? CommandNeeds::Painting : CommandNeeds::Dxf;
}

// The Class flange the command line names, its face RF (the only one its tables are for); none
// where the rating is a PN.
std::optional<FlangeRecord> classFlange(const CommandArguments &arguments)
{
    const QStringList given = arguments.positional();
    const FlangeKind kind = anyKindArgument(given[0]);
    const std::optional<Rating> rating = classArgument(kind, given[1]);
    if (!rating) {
        refuseSchedule(arguments);
        if (kind == FlangeKind::Blind)
            failRejected(failureLines(onlyInClassSeries(kind)));
        return std::nullopt;
    }
    const QString schedule = classOptions(given[0], kind, arguments);
    const QString face = arguments.value(QStringLiteral("face")).trimmed().toUpper();
    const FlangeTable *table = classStandard() ? flangeTable(*classStandard(), kind) : nullptr;
    const QString facing = table ? QString::fromLatin1(table->facing) : CatalogueFace.toString();
    if (!face.isEmpty() && face != facing)
        failRejected({QStringLiteral("the Class series' tables are for the %1 face, not %2")
                          .arg(facing, face.left(20))});
    return classFlangeArgument(kind, *rating, given[2], schedule);
}

int runDrawing(const CommandArguments &arguments, const ProgramParts &parts)
{
    const QStringList given = arguments.positional();
    // The kind read first: an unreadable kind is the first usage error.
    const std::optional<FlangeRecord> classRecord = classFlange(arguments);
    const int dn = classRecord ? 0 : dnArgument(given[2]);
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
                      .arg(shownFileName(file.left(60)))
                : QStringLiteral("unknown format '%1' (dxf, svg or pdf)").arg(formatText.left(40)));
    TitleEntries entries = titleEntries(arguments);
    FlangeRecord record;
    if (classRecord) {
        record = *classRecord;
    } else {
        entries.faceCode = faceArgument(given[0], arguments.value(QStringLiteral("face")));
        // The face --face names is checked against the kind and pressure as one written with
        // the kind.
        const QString kindWithFace = kindFaceCode(given[0]).isEmpty() && !entries.faceCode.isEmpty()
                                         ? given[0] + u'-' + entries.faceCode
                                         : given[0];
        record = flangeArgument(kindWithFace, given[1], dn, series);
    }
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
            {classKindPositional(), classRatingPositional(), pipeSizePositional()},
            {seriesOptionEntry(),
             scheduleOptionEntry(),
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
             {{QStringLiteral("face")},
              QStringLiteral("CODE"),
              helpSource(QT_TRANSLATE_NOOP(
                  "CommandHelp", "图纸和标记所写的密封面：RF（默认）、FF、\nM、FM、T、G 或 RJ；"
                                 "也可与类型写在一起，如 WN-FF"))},
             entry("drawing-number", QT_TRANSLATE_NOOP("CommandHelp", "填写标题栏的“图号”栏")),
             entry("material", QT_TRANSLATE_NOOP("CommandHelp", "填写标题栏的“材料”栏")),
             entry("designer", QT_TRANSLATE_NOOP("CommandHelp", "填写标题栏的“设计”栏")),
             entry("checker", QT_TRANSLATE_NOOP("CommandHelp", "填写标题栏的“审核”栏")),
             {{QStringLiteral("date")},
              QStringLiteral("yyyy-mm-dd"),
              helpSource(QT_TRANSLATE_NOOP("CommandHelp", "填写标题栏的“日期”栏"))}},
            helpSource(QT_TRANSLATE_NOOP(
                "CommandHelp",
                "图幅为 A4 或 A3（GB/T 14689），比例取 GB/T 14690 中能容纳各视图的最大比例。\n")),
            runDrawing,
            drawingNeeds};
}
