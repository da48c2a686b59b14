#pragma once

#include "core/model/dimension.h"
#include "core/model/rating.h"
#include "core/values/types.h"

#include <cstdint>
#include <optional>
#include <span>

// A flange standard as its data files describe it (data/<standard>/), compiled in by the
// build's table generator: its name and edition, its rating system, whether it has pipe series,
// and one table a flange type with the type's own standard number and the rules its values are
// computed by. Everything here is constant data; nothing is read at run time.

// How a type's net area is computed, named in the standard's types.csv.
enum class AreaRule : std::uint8_t {
    None,          // not given
    PlatePrinted,  // the plate slip-on formula as printed (π as 3.14)
    SlipOnPrinted, // the hubbed slip-on formula as printed (π as 3.1415): the plate's area
};
// How a type's net weight is computed.
enum class WeightRule : std::uint8_t {
    None,
    PlatePrinted,     // the printed area times the thickness
    SlipOnPrinted,    // the printed plate and hub rings
    WeldNeckGeometry, // the solid the weld-neck window draws (rules.h)
    WeldNeckOnPipe,   // a ring, a hub tapering to the pipe, bored to a pipe schedule (rules.h)
    SlipOnBored,      // a ring and a hub, bored to the table of slip-on bores
    BlindSolid,       // a solid disc
};
// Where a joint's bolt length comes from.
enum class BoltingRule : std::uint8_t {
    Computed, // the joint bolting method (core/bolting) from thread, thickness and pressure
    Tabled,   // the table's stud_length column
};

// The size a row is for: its DN, and where the standard sizes by inch, the NPS in quarter inches
// (NPS 1-1/2 is 6; 0 where there is none).
struct NominalSize {
    NominalDiameter dn = 0;
    std::int16_t npsQuarters = 0;
    friend constexpr bool operator==(const NominalSize &, const NominalSize &) = default;
};

// One cell: its number (for a numeric dimension) and its text as the data file writes it, an
// offset into the standard's texts; NoText where the table has no value.
struct TableCell {
    static constexpr std::uint32_t NoText = 0xffffffff;
    double number;
    std::uint32_t text;
};

// What a row is for, besides the table's type.
struct TableRowKey {
    Rating rating;
    NominalSize size;
    std::optional<PipeSeries> series; // none in a standard without series
};

struct FlangeTable {
    FlangeKind kind;
    const char *standardNumber; // the type's own number: "HG 20595-97"
    const char *facing;         // the sealing face its dimensions are for: "RF"
    AreaRule area;
    WeightRule weight;
    BoltingRule bolting;
    std::span<const Dimension> columns;
    std::span<const TableRowKey> keys;
    std::span<const TableCell> cells; // keys.size() rows of columns.size() cells
};

// A table beside the flange tables, as its data file writes it (pipe walls, gaskets, names):
// its column names and its cells, row after row; read through core/model/sidetable.h.
struct SideTable {
    const char *name; // the file's name without ".csv": "pipe"
    std::span<const char *const> columns;
    std::span<const TableCell> cells;
};

struct Standard {
    const char *id;      // "hg20592-97", the data folder
    const char *name;    // "HG 20592", the number common to every type
    const char *edition; // "1997"
    const char *title;   // "钢制管法兰" (UTF-8)
    RatingSystem ratingSystem;
    bool pipeSeries; // whether rows come in series A and B
    std::span<const FlangeTable> tables;
    const char *texts;      // every cell's text, each ended by a zero
    const char *equivalent; // the Chinese standard with the same tables ("HG/T 20615"), or ""
    std::span<const SideTable> sideTables;
};

// The standards compiled into the program, the first being the one the windows show.
std::span<const Standard> builtInStandards();
