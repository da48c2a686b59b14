#pragma once

#include "core/kinds/flangerow.h"

#include <span>

class QueryRun;

// The first step of every kind's query: the row that the pressure, the series and the DN box
// name. When something is missing every result box (`resultBoxes`, in the order a found row
// writes them) is emptied, then it is told, a message each (no pressure, the DN not listed at it,
// no series), and there is no row: a refused query leaves nothing on screen that belongs to no
// row.
std::optional<FlangeRow> chooseRow(QueryRun &run, FlangeKind kind, int dnBox,
                                   PressureIndex pressure, bool seriesChosen,
                                   std::span<const int> resultBoxes);
