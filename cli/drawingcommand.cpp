// quorvit drawing KIND PN DN [--series A|B] -o FILE|- [--format dxf|svg|pdf]
//                 [--drawing-number TEXT] [--material TEXT] [--designer TEXT]
#include "catalogue/flangeinput.h"
#include "cli/commandarguments.h"
#include "cli/flangearguments.h"
#include "cli/guimodule.h"
#include "exports/exportformat.h"
#include "exports/flangedrawing.h"
#include "exports/formatlibraries.h"

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

// A DXF is written on Qt Core; SVG and PDF are painted by the windows module, which made the
// application (drawingNeedsGui).
QString writeDrawing(const FlangeRecord &record, ExportFormat format, const QString &file,
                     const TitleEntries &entries)
{
    if (const QString why = undrawableReason(record); !why.isEmpty())
        return why;
    if (!exportNeedsGui(format))
        return writeDxfFile(buildFlangeSheet(record, entries), file);
    const GuiModule *gui = loadGuiModule();
    if (!gui)
        throw CommandFailure{ExitRejected, {}}; // the reason is on stderr already
    return gui->exportFlange(record, format, file, entries);
}

} // namespace

bool drawingNeedsGui(const QStringList &arguments)
{
    // A look ahead of the parser, before any application exists: only a DXF goes without.
    QString format, file;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        const QString next = arguments.value(i + 1);
        if (a == QLatin1String("--format"))
            format = next;
        else if (a.startsWith(QLatin1String("--format=")))
            format = a.mid(9);
        else if (a == QLatin1String("-o") || a == QLatin1String("--output"))
            file = next;
        else if (a.startsWith(QLatin1String("--output=")))
            file = a.mid(9);
    }
    const std::optional<ExportFormat> chosen = chosenFormat(format, file);
    return chosen && exportNeedsGui(*chosen);
}

int runDrawing(CommandArguments &arguments)
{
    arguments.addOption(QStringLiteral("series"), QStringLiteral("A|B"));
    arguments.addOption(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                        QStringLiteral("FILE"));
    arguments.addOption(QStringLiteral("format"), QStringLiteral("dxf|svg|pdf"));
    for (const char *entry : {"drawing-number", "material", "designer"})
        arguments.addOption(QLatin1String(entry), QStringLiteral("TEXT"));
    if (!arguments.parse(3, 3))
        return ExitSuccess;
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
    if (const QString why = writeDrawing(record, *format, file, entries); !why.isEmpty())
        failRejected({why});
    return ExitSuccess;
}
