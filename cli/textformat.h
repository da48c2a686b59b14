#pragma once

#include "takeoff/outputtext.h"

#include <QList>
#include <QString>
#include <QStringList>

// Writing data for people and for programs: aligned columns, CSV lines, JSON texts, numbers.

// Data to stdout, messages to stderr, as UTF-8.
void writeOut(const QString &text);
void writeErr(const QString &text);

// A number as tabled: shortest exact form, integers without ".0" (17.2, 273, 0.05).
QString formatNumber(double value);

// Rows of cells as lines of columns padded to a common width (two blanks between columns),
// each line ending in "\n".
QString alignedColumns(const QList<QStringList> &rows);

// One CSV line with RFC 4180 quoting (fields holding a comma, a quote or a line break are
// quoted, quotes doubled), ending in "\n".
QString csvLine(const QStringList &fields);

// A JSON string literal with its quotes, escaped as JSON requires.
QString jsonString(const QString &text);
