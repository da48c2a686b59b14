#include "cli/command.h"

const QList<Command> &commands()
{
    static const QList<Command> all{
        {"lookup", "KIND PN DN [--series A|B] [--format text|json|csv]",
         "the dimensions, bolting, area and weight of one flange",
         "KIND     PL, SO or WN (any case), or 板式平焊, 带颈平焊, 带颈对焊\n"
         "PN       nominal pressure in MPa as listed (1.6, 1.60, 10) or in bar (PN16)\n"
         "DN       nominal diameter (100 or DN100)\n"
         "--series pipe series A (default) or B\n"
         "--format text (default), json (one object) or csv (header and one line)\n",
         runLookup, nullptr},
        {"table", "KIND [PN] [--series A|B] [--format text|json|csv]",
         "every listed flange of a kind, one record per row",
         "KIND     PL, SO or WN (any case), or 板式平焊, 带颈平焊, 带颈对焊\n"
         "PN       only this nominal pressure (MPa or PN16); every pressure when left out\n"
         "--series pipe series A (default) or B\n"
         "--format text (default), json (an array of objects) or csv (header and one line "
         "per row)\n",
         runTable, nullptr},
        {"drawing", "KIND PN DN [--series A|B] -o FILE [--format dxf|svg|pdf]",
         "a true-scale drawing (DXF, SVG) or an A4 data sheet (PDF) of one flange",
         "KIND     PL, SO or WN (any case), or 板式平焊, 带颈平焊, 带颈对焊\n"
         "PN       nominal pressure in MPa as listed (1.6, 1.60, 10) or in bar (PN16)\n"
         "DN       nominal diameter (100 or DN100)\n"
         "--series pipe series A (default) or B\n"
         "-o, --output FILE  the file to write; an earlier file is replaced only by a "
         "complete one\n"
         "--format dxf (CAD, millimetres), svg (true scale) or pdf (data sheet); from the "
         "file's extension when left out\n",
         runDrawing, drawingNeedsGui},
    };
    return all;
}

void failUsage(const QString &reason)
{
    throw CommandFailure{ExitUsage, {reason}};
}

void failRejected(const QStringList &lines)
{
    throw CommandFailure{ExitRejected, lines};
}
