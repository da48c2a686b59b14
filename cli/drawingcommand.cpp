// quorvit drawing KIND PN DN [--series A|B] -o FILE [--format dxf|svg|pdf]
#include "catalogue/flangeinput.h"
#include "cli/commandarguments.h"
#include "cli/flangearguments.h"
#include "cli/guimodule.h"
#include "exports/exportformat.h"
#include "exports/formatlibraries.h"

namespace
{

// The format --format names, else the one the file's extension names.
std::optional<ExportFormat> chosenFormat(const QString &formatText, const QString &file)
{
    if (!formatText.isEmpty())
        return readExportFormat(formatText);
    return exportFormatOfPath(file);
}

// A DXF is written on Qt Core; SVG and PDF are painted by the windows module, which made the
// application (drawingNeeds).
QString writeDrawing(const FlangeRecord &record, ExportFormat format, const QString &file)
{
    if (!exportNeedsGui(format))
        return writeDxfFile(buildCadDrawing(record), file);
    const GuiModule *gui = loadGuiModule();
    if (!gui)
        throw CommandFailure{ExitRejected, {}}; // the reason is on stderr already
    return gui->exportFlange(record, format, file);
}

// A DXF is written on Qt Core; SVG and PDF are painted, on a QGuiApplication.
CommandNeeds drawingNeeds(const CommandArguments &arguments)
{
    const std::optional<ExportFormat> chosen = chosenFormat(
        arguments.value(QStringLiteral("format")), arguments.value(QStringLiteral("output")));
    return chosen && exportNeedsGui(*chosen) ? CommandNeeds::Painting : CommandNeeds::Core;
}

int runDrawing(const CommandArguments &arguments)
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
    const FlangeRecord record = flangeArgument(kind, given[1], dn, series);
    if (const QString why = writeDrawing(record, *format, file); !why.isEmpty())
        failRejected({why});
    return ExitSuccess;
}

} // namespace

Command drawingCommand()
{
    return {QStringLiteral("drawing"),
            QStringLiteral("a true-scale drawing (DXF, SVG) or an A4 data sheet (PDF) of one flange"),
            {kindPositional(), pressurePositional(), dnPositional()},
            {seriesOptionEntry(),
             {{QStringLiteral("o"), QStringLiteral("output")},
              QStringLiteral("FILE"),
              QStringLiteral("the file to write; an earlier file is replaced only by a complete one"),
              true},
             {{QStringLiteral("format")},
              QStringLiteral("dxf|svg|pdf"),
              QStringLiteral("dxf (CAD, millimetres), svg (true scale) or pdf (data sheet); from "
                             "the\nfile's extension when left out")}},
            {},
            runDrawing,
            drawingNeeds};
}
