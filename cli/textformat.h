#pragma once

#include "takeoff/outputtext.h"

#include <QList>
#include <QString>
#include <QStringList>

// Writing data for people and for programs: aligned columns and CSV lines, on the output rules
// of takeoff/outputtext.h.

// Data to stdout, messages to stderr, as UTF-8. A message may quote its input: its control
// characters are shown escaped (terminalText). Every write to standard output is checked, as the
// careful tools do (coreutils' close_stdout): after the first that fails (a full disk, a closed
// descriptor) nothing more is written, and standardOutputFailure() tells why. A closed pipe ends
// the program quietly through SIGPIPE, as it ends cat.
void writeOut(const QString &text);
void writeErr(const QString &text);

// The one line a run ends with when standard output did not take all that was written to it:
// "cannot write standard output: No space left on device"; "" when it did.
QString standardOutputFailure();
// The same line for a failure a writer of its own met on standard output (a take-off, written
// as it is computed).
QString cannotWriteStandardOutput(const QString &reason);

// Rows of cells as lines of columns padded to a common width (two blanks between columns),
// each line ending in "\n".
QString alignedColumns(const QList<QStringList> &rows);

// One CSV line of csvField()s, ending in "\n".
QString csvLine(const QStringList &fields);
