// quorvit-formats: the command line with the writers of other programs' formats, the one program
// that links dxflib and libxlsxwriter (programs/programs.h). quorvit and quorvit-gui hand it
// `drawing --format dxf` and `takeoff --format xlsx`; the windows run those commands for their
// DXF and xlsx files.
#include "cli/commandline.h"
#include "exports/dxfwriter.h"
#include "exports/takeoffxlsxwriter.h"

namespace
{

std::unique_ptr<TakeoffWriter> makeSpreadsheetWriter(QIODevice &device)
{
    return std::make_unique<TakeoffXlsxWriter>(device);
}

} // namespace

int main(int argc, char *argv[])
{
    ProgramParts parts;
    parts.writeDxf = writeDxf;
    parts.makeSpreadsheetWriter = makeSpreadsheetWriter;
    return runCommandLine(argc, argv, parts);
}
