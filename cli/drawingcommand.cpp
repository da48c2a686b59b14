// quorvit drawing KIND PN DN [--series A|B] -o FILE|- [--format dxf|svg|pdf]
//                 [--drawing-number TEXT] [--material TEXT] [--designer TEXT]
#include "catalogue/flangeinput.h"
#include "cli/commandarguments.h"
#include "cli/commandline.h"
#include "cli/flangearguments.h"
#include "exports/exportformat.h"
#include "exports/filename.h"
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
    kindArgument(given[0]); // read first: an unreadable kind is the first usage error
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
                      .arg(shownFileName(file.left(60)))
                : QStringLiteral("unknown format '%1' (dxf, svg or pdf)").arg(formatText.left(40)));
    const TitleEntries entries = titleEntries(arguments);
    const FlangeRecord record = flangeArgument(given[0], given[1], dn, series);
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
    const auto entry = [](const char *name, const char *cell) {
        return CommandOption{
            {QLatin1String(name)},
            QStringLiteral("TEXT"),
            QStringLiteral("fills the title block's %1 cell").arg(QString::fromUtf8(cell))};
    };
    return {QStringLiteral("drawing"),
            QStringLiteral("a drawing of one flange to issue (DXF, SVG) or its data sheet (PDF)"),
            {kindPositional(), pressurePositional(), dnPositional()},
            {seriesOptionEntry(),
             {{QStringLiteral("o"), QStringLiteral("output")},
              QStringLiteral("FILE"),
              QStringLiteral("the file to write; an earlier file is replaced only by a complete "
                             "one;\n- writes to stdout (DXF unless --format names another)"),
              true},
             {{QStringLiteral("format")},
              QStringLiteral("dxf|svg|pdf"),
              QStringLiteral("dxf (CAD: the flange at 1:1 in millimetres, frame and title block "
                             "at the plot\nscale), svg (the sheet at its paper size) or pdf (the "
                             "sheet and a table of\nevery value); from the file's extension when "
                             "left out")},
             entry("drawing-number", "图号"),
             entry("material", "材料"),
             entry("designer", "设计")},
            QStringLiteral("The sheet is A4 or A3 (GB/T 14689) at the largest scale of GB/T 14690 "
                           "that holds the views.\n"),
            runDrawing,
            drawingNeeds};
}
