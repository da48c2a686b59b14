#pragma once

#include "core/values/types.h"

#include <QStringView>
#include <optional>

// Reads a typed text as a number: blanks, tabs and line feeds are skipped anywhere, then the
// longest leading decimal number (sign, digits, one point, E exponent) is taken; &H and &O
// read hexadecimal and octal integers. Anything else reads as 0. Overflow gives ±infinity.
double readNumber(QStringView text);

// Reads a DN box: the number rounded to the nearest integer, halves to the even neighbour.
// A value that is not finite or falls outside the signed 16-bit range has no DN (nullopt),
// and the query treats it like any DN that is not listed.
std::optional<NominalDiameter> readNominalDiameter(QStringView text);
