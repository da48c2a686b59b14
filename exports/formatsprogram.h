#pragma once

#include "catalogue/catalogue.h"
#include "exports/titleblock.h"
#include "takeoff/listlayout.h"
#include "translations/language.h"

#include <QList>
#include <QString>

class QDataStream;
class QIODevice;

// The files of other programs' formats written for a program that does not link their libraries
// (quorvit-gui, whose start-up and memory they would cost): quorvit-formats writes them, run as
// a child process.

// The flange's drawing as a DXF file, as `quorvit drawing KIND PN DN --series S --format dxf
// -o PATH` with the title block's entries writes it; "" or why not, in one line.
QString writeDxfThroughProgram(const FlangeRecord &record, const QString &path,
                               const TitleEntries &entries);

// A take-off window's lines as an xlsx workbook written into `output`: quorvit-formats computes
// them as the window does, in the language installed (its reasons), and writes what the
// window's table holds, under the list's title rows. "" or why not, in one line.
QString writeWorkbookThroughProgram(QIODevice &output, const CarriedColumns &carried,
                                    const QList<ListLine> &lines,
                                    const QStringList &titles = {});

// The argument on which quorvit-formats reads a take-off's lines (writeTakeoffLines) on its
// standard input and writes their workbook on its standard output, instead of a command line.
inline constexpr char TakeoffLinesArgument[] = "--takeoff-lines";
struct TakeoffLines {
    Language language = Language::Chinese;
    CarriedColumns carried;
    QList<ListLine> lines;
    QStringList titles; // the list's title rows
};
void writeTakeoffLines(QDataStream &stream, const TakeoffLines &lines);
// False when the stream does not hold lines so written.
bool readTakeoffLines(QDataStream &stream, TakeoffLines &lines);
