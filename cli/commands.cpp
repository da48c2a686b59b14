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
        {"drawing", "KIND PN DN [--series A|B] -o FILE [--format dxf|svg|pdf]",
         "a true-scale drawing (DXF, SVG) or an A4 data sheet (PDF) of one flange",
         "KIND     PL, SO or WN (any case, also WN-RF), or 板式平焊, 带颈平焊, 带颈对焊 (法兰)\n"
         "PN       nominal pressure: MPa (1.6, 1.6MPa), bar (16bar), or PN16, read as bar or\n"
         "         MPa, whichever the kind lists (refused when it lists both)\n"
         "DN       nominal diameter (100, DN100 or 100mm)\n"
         "--series pipe series A (default) or B\n"
         "-o, --output FILE  the file to write; an earlier file is replaced only by a "
         "complete one\n"
         "--format dxf (CAD, millimetres), svg (true scale) or pdf (data sheet); from the "
         "file's extension when left out\n",
         runDrawing, drawingNeedsGui},
                 {"takeoff", "FILE [-o OUT] [--format text|csv|json|xlsx] [--sheet NAME]",
         "the weights and bolts of a list of flanges, line by line, with totals",
         "FILE     a line list: CSV or tab-separated text (UTF-8, GB18030 or UTF-16 with a byte\n"
         "         order mark) or an xlsx workbook; columns found by their header's names\n"
         "         (类型/型式/type, 公称压力/压力/PN, 系列/series, 公称直径/通径/DN/size,\n"
         "         数量/件数/qty, or a designation 标记/规格 holding a standard marking), title rows\n"
         "         above the header skipped, every other column carried through; without a\n"
         "         header: kind, pressure, series, dn, quantity; - reads stdin\n"
         "-o OUT   write to OUT (replaced only when complete) instead of stdout\n"
         "--format text, csv (with a byte order mark for spreadsheets), json or xlsx; by\n"
         "         default the one OUT's extension names, else text (xlsx goes to stdout only\n"
         "         when stdout is not a terminal)\n"
         "--sheet  the workbook's sheet to read (the first when left out)\n"
         "A line that cannot be taken off keeps its place with the reason (Chinese in the\n"
         "text, CSV and xlsx forms; English in JSON and on stderr, the first 100 there), and\n"
         "counts for nothing in the totals; the exit code is then 1.\n",
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
