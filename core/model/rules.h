#pragma once

#include "core/model/tablerow.h"

#include <QStringList>
#include <QStringView>
#include <optional>

// The schedule a weld-neck flange is bored to when the purchaser names none: standard wall.
inline constexpr QStringView DefaultSchedule = u"STD";

// What a row's type computes from its dimensions, by the rules its standard names for it
// (standard.h): the net area and the net weight (the Class series' weld-neck bored to a pipe
// schedule). None where the rule gives none or a dimension
// it needs has no value (a weld-neck size with no series-B form).
std::optional<double> netArea(const TableRow &row);
std::optional<double> netWeight(const TableRow &row, QStringView schedule = DefaultSchedule);

// The Class series bores its flanges by the standard's pipe table (side table "pipe"): a weld-
// neck flange to the wall of a schedule ("STD", "XS", "40", "80", "10S", "40S", "80S": a column
// wall_<schedule>_mm), a slip-on flange to the size's slip-on bore; a blind flange has none. The
// schedules that table lists, and the bore of a row, none where the table has no such wall.
QStringList pipeSchedules(const Standard &standard);
std::optional<double> flangeBore(const TableRow &row, QStringView schedule = DefaultSchedule);
