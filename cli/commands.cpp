#include "cli/command.h"

const QList<Command> &commands()
{
    static const QList<Command> all{
        {"lookup", "KIND PN DN [--series A|B] [--format text|json|csv]",
         "the dimensions, bolting, area and weight of one flange",
         "KIND     PL, SO or WN (any case, also WN-RF), or 板式平焊, 带颈平焊, 带颈对焊 (法兰)\n"
         "PN       nominal pressure: MPa (1.6, 1.6MPa), bar (16bar), or PN16, read as bar or\n"
         "         MPa, whichever the kind lists (refused when it lists both)\n"
         "DN       nominal diameter (100, DN100 or 100mm)\n"
         "--series pipe series A (default) or B\n"
         "--format text (default), json (one object) or csv (header and one line)\n",
         runLookup, nullptr},
        {"table", "KIND [PN] [--series A|B] [--format text|json|csv]",
         "every listed flange of a kind, one record per row",
         "KIND     PL, SO or WN (any case, also WN-RF), or 板式平焊, 带颈平焊, 带颈对焊 (法兰)\n"
         "PN       only this nominal pressure (1.6, 16bar or PN16); every pressure when left out\n"
         "--series pipe series A (default) or B\n"
         "--format text (default), json (an array of objects) or csv (header and one line "
         "per row)\n",
         runTable, nullptr},
        {"drawing",
         "KIND PN DN [--series A|B] -o FILE|- [--format dxf|svg|pdf] [--drawing-number TEXT] "
         "[--material TEXT] [--designer TEXT]",
         "a drawing of one flange to issue (DXF, SVG) or its data sheet (PDF)",
         "KIND     PL, SO or WN (any case, also WN-RF), or 板式平焊, 带颈平焊, 带颈对焊 (法兰)\n"
         "PN       nominal pressure: MPa (1.6, 1.6MPa), bar (16bar), or PN16, read as bar or\n"
         "         MPa, whichever the kind lists (refused when it lists both)\n"
         "DN       nominal diameter (100, DN100 or 100mm)\n"
         "--series pipe series A (default) or B\n"
         "-o, --output FILE  the file to write; an earlier file is replaced only by a "
         "complete one; - writes to stdout (DXF unless --format names another)\n"
         "--format dxf (CAD: the flange at 1:1 in millimetres, frame and title block at the "
         "plot scale), svg (the sheet at its paper size) or pdf (the sheet and a table of "
         "every value); from the file's extension when left out\n"
         "--drawing-number, --material, --designer TEXT  fill the title block's 图号, 材料 and "
         "设计 cells\n"
         "The sheet is A4 or A3 (GB/T 14689) at the largest scale of GB/T 14690 that holds "
         "the views.\n",
         runDrawing, drawingNeedsGui},
                 {"takeoff", "FILE [-o OUT] [--format text|csv|json|xlsx]",
         "the weights and bolts of a list of flanges, line by line, with totals",
         "FILE     a list, one flange per line: kind, pressure, series, dn, quantity, separated\n"
         "         by commas or tabs (a block pasted from a spreadsheet); an optional header\n"
         "         (kind,pressure,series,dn,quantity or 类型,公称压力,系列,公称直径,数量); blank\n"
         "         lines and lines starting with # are skipped; UTF-8 or GB18030; - reads stdin\n"
         "-o OUT   write to OUT (replaced only when complete) instead of stdout\n"
         "--format text (default), csv (with a byte order mark for spreadsheets), json or xlsx\n"
         "         (xlsx goes to stdout only when stdout is not a terminal)\n"
         "A line that cannot be taken off keeps its place with the reason, which also goes to\n"
         "stderr, and counts for nothing in the totals; the exit code is then 1.\n",
         runTakeoff, nullptr},
        {"identify",
         "[--outside-diameter MM] [--bolt-circle MM] [--holes N] [--hole-diameter MM] "
         "[--thickness MM] [--pipe-od MM] [--tolerance MM] [--format text|json|csv]",
         "the listed flanges that fit measurements, best first",
         "--outside-diameter  D;  --bolt-circle  K;  --holes  n (matched exactly)\n"
         "--hole-diameter     L;  --thickness    C;  --pipe-od  A (weld end of WN)\n"
         "--tolerance MM      how far a length may be off, 2 by default\n"
         "--format            text (default), json (an array) or csv\n"
         "Give at least one measurement. Every kind and both series are searched; the rows\n"
         "that fit every measurement are listed by total deviation, smallest first. None: exit "
         "1.\n",
         runIdentify, nullptr},
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
