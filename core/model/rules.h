#pragma once

#include "core/model/tablerow.h"

#include <optional>

// What a row's type computes from its dimensions, by the rules its standard names for it
// (standard.h): the net area and the net weight. None where the rule gives none or a dimension
// it needs has no value (a weld-neck size with no series-B form).
std::optional<double> netArea(const TableRow &row);
std::optional<double> netWeight(const TableRow &row);
