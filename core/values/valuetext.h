#pragma once

#include <QString>

class WorkingValue;

// A number as the boxes show it: plain digits, shortest decimal form, no blank, no grouping.
QString plainNumberText(double value);

// A computed result with the pattern "##0.00": halves away from zero, decided on the value's
// 15-significant-digit decimal form. A value that is not a finite number gives the empty text.
QString resultText(double value);

// Bolt count, "-φ", hole diameter, with no blanks: 4 and 14 give "4-φ14"; empty values give
// empty parts, so a query that found no row shows "-φ".
QString boltHoleCallout(const WorkingValue &count, const WorkingValue &holeDiameter);
