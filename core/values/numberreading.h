#pragma once

#include "core/values/types.h"

#include <QString>
#include <QStringView>
#include <optional>

// A value as typed, in its plain form: full-width digits, letters, signs and space (as a Chinese
// input method types them) become their ASCII forms, and blanks at either end go. Nothing else
// is folded: a superscript or circled digit would read as another number (4¹ as 41, ① as 1).
// Every reader of a typed value starts from this form.
QString plainTypedText(QStringView text);

// The first digit in a text that is neither ASCII nor full-width, by its form: such a text is
// refused by name, never read as the digit it looks like.
enum class ForeignDigit { None, Superscript, Subscript, Circled, Other };
ForeignDigit foreignDigit(QStringView text);

// The number of a DN as people write it, without "DN" before it or "mm" after it (any case,
// blanks between): "DN 100", "100mm" and "ＤＮ１００" give "100"; other texts are only made plain.
QString dnNumberText(QStringView text);

// Reads a typed text as a number: blanks, tabs and line feeds are skipped anywhere, then the
// longest leading decimal number (sign, digits, one point, E exponent) is taken; &H and &O
// read hexadecimal and octal integers. Anything else reads as 0. Overflow gives ±infinity.
double readNumber(QStringView text);

// Reads a DN box: the number of its DN text (dnNumberText) rounded to the nearest integer,
// halves to the even neighbour.
// A value that is not finite or falls outside the signed 16-bit range has no DN (nullopt),
// and the query treats it like any DN that is not listed.
std::optional<NominalDiameter> readNominalDiameter(QStringView text);
