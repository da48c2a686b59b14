// quorvit-formats: the command line with the writers of other programs' formats, the one program
// that links dxflib and libxlsxwriter. quorvit and quorvit-gui hand it `drawing --format dxf` and
// `takeoff --format xlsx`; the windows run it for their DXF and xlsx files
// (exports/formatsprogram.h).
#include "cli/commandline.h"
#include "cli/textformat.h"
#include "exports/dxfwriter.h"
#include "exports/formatsprogram.h"
#include "exports/takeoffxlsxwriter.h"
#include "takeoff/takeoffline.h"
#include "takeoff/takeofftotals.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QFile>
#include <cstring>

namespace
{

std::unique_ptr<TakeoffWriter> makeSpreadsheetWriter(QIODevice &device)
{
    return std::make_unique<TakeoffXlsxWriter>(device);
}

// A take-off window's lines, computed as the window computes them, as a workbook on stdout.
int writeWorkbookOfLines(int &argc, char **argv)
{
    QCoreApplication application(argc, argv);
    QFile input;
    input.open(stdin, QIODevice::ReadOnly);
    const QByteArray bytes = input.readAll();
    QDataStream stream(bytes);
    TakeoffLines given;
    if (!readTakeoffLines(stream, given)) {
        writeErr(QStringLiteral("quorvit-formats: the take-off's lines did not arrive whole\n"));
        return 1;
    }
    installLanguage(given.language);
    QFile output;
    output.open(stdout, QIODevice::WriteOnly);
    TakeoffXlsxWriter writer(output);
    TakeoffCalculator calculator;
    TakeoffTotals totals;
    const CarriedRoles roles = carriedRoles(given.carried);
    writer.writeTitles(given.titles);
    writer.begin(given.carried);
    for (const ListLine &line : given.lines) {
        const TakeoffLine computed = calculator.compute(line, roles);
        totals.add(computed);
        writer.writeLine(computed);
    }
    writer.writeTotals(totals);
    QString error;
    if (!writer.finish(error)) {
        writeErr(QStringLiteral("quorvit-formats: %1\n").arg(error));
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 2 && std::strcmp(argv[1], TakeoffLinesArgument) == 0)
        return writeWorkbookOfLines(argc, argv);
    ProgramParts parts;
    parts.writeDxf = writeDxf;
    parts.makeSpreadsheetWriter = makeSpreadsheetWriter;
    return runCommandLine(argc, argv, parts);
}
