#pragma once

#include "core/model/dimension.h"
#include "core/model/rating.h"
#include "core/values/types.h"

#include <optional>
#include <span>

class QueryRun;

// What one box of a query window shows of a found flange, as the window's design places it.
struct BoxSource {
    enum What : std::uint8_t { Value, Callout, Area, Weight };
    int box;
    What what;
    Dimension dimension = Dimension::OutsideDiameter; // for a Value
    const char *absent = "";                          // shown where the flange has no value
};

// A query window's map from the catalogue's record to its boxes: the DN box, and the boxes a
// found flange writes, in the order it writes them (a refused query empties the same boxes).
struct QueryDesign {
    FlangeKind kind;
    int dnBox;
    std::span<const BoxSource> writes;
};

// One press of "查找": the flange of the chosen rating, series and the DN box's text, written
// into the boxes. When something is missing every result box is emptied, then it is told, a
// message each in this order (no rating, the DN not listed at it, no series), and nothing is
// written: a refused query leaves nothing on screen that belongs to no row.
void runFlangeQuery(QueryRun &run, const QueryDesign &design, std::optional<Rating> rating,
                    std::optional<PipeSeries> series);
