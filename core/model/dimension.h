#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// A dimension a flange table holds, by name rather than by a row struct's member, so that a
// standard's table has the columns it has and no more.
enum class Dimension : std::uint8_t {
#define DIMENSION(id, key, symbol, unit, name) id,
#include "core/model/dimensions.def"
#undef DIMENSION
};

struct DimensionInfo {
    const char *key;    // "outside_diameter"
    const char *symbol; // "D", as the drawings letter it
    const char *unit;   // "mm"; "" for a count or a text
    const char *name;   // "法兰外径" (UTF-8)
};

const DimensionInfo &dimensionInfo(Dimension dimension);

// The dimension a data file's column names, key and unit: "outside_diameter_mm", "hole_count".
std::optional<Dimension> dimensionOfColumn(std::string_view column);

// Whether the dimension's cells are texts shown as they stand ("M30x2", "7/8") rather than numbers.
constexpr bool isTextDimension(Dimension dimension)
{
    return dimension == Dimension::Bolt || dimension == Dimension::BoltSize;
}
