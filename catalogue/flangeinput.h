#pragma once

#include "catalogue/catalogue.h"

#include <QString>
#include <QStringView>
#include <optional>

// Reading what a person or a script writes for a flange: the command line, a take-off line
// list. Each reader is strict about the form (an unreadable text is an error of its own) and
// hands the value on to the rules the windows use.

// "PL", "SO", "WN" in any case, or the Chinese names "板式平焊", "带颈平焊", "带颈对焊".
std::optional<FlangeKind> readFlangeKind(QStringView text);

// A pressure in MPa written as a plain decimal number ("1.6", "1.60", "10"), or in bar as
// "PN16" (any case): the value in MPa, or nullopt when the text is no such number.
std::optional<double> readPressureMpa(QStringView text);

// The list index of a pressure of the kind, or nullopt when the kind does not list it.
std::optional<PressureIndex> pressureIndex(FlangeKind kind, double mpa);

// A DN written as digits, optionally "DN100" (any case): the DN as the windows read it, or
// nullopt when the text is not of that form.
std::optional<int> readDnText(QStringView text);

// "A" or "B", any case.
std::optional<PipeSeries> readSeries(QStringView text);
QString seriesText(PipeSeries series);

// Why a lookup found nothing, for people: the window's own message and an English line naming
// what is listed ("DN 11 is not listed for PL at 1.0 MPa; listed: 10, 15, ...").
struct LookupFailure {
    QString windowMessage;
    QString reason;
};
LookupFailure pressureNotListed(FlangeKind kind, QStringView pressureText);
LookupFailure diameterNotListed(FlangeKind kind, PressureIndex pressure, int dn);
