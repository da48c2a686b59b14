#pragma once

#include "takeoff/outputtext.h"

#include <QList>
#include <QString>
#include <QStringList>

// Writing data for people and for programs: aligned columns and CSV lines, on the output rules
// of takeoff/outputtext.h.

// Data to stdout, messages to stderr, as UTF-8. A message may quote its input: its control
// characters are shown escaped (terminalText).
void writeOut(const QString &text);
void writeErr(const QString &text);

// Rows of cells as lines of columns padded to a common width (two blanks between columns),
// each line ending in "\n".
QString alignedColumns(const QList<QStringList> &rows);

// One CSV line of csvField()s, ending in "\n".
QString csvLine(const QStringList &fields);
