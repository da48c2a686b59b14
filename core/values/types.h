#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>

// Values a query window works with.

// The three flange kinds that have a window and a table: plate slip-on (PL), hubbed slip-on (SO),
// weld-neck (WN).
enum class FlangeKind { Plate, SlipOn, WeldNeck };
inline constexpr FlangeKind AllFlangeKinds[] = {FlangeKind::Plate, FlangeKind::SlipOn,
                                                FlangeKind::WeldNeck};

// The row of a window's pressure list; -1 while nothing is selected.
using PressureIndex = int;
using NominalDiameter = std::int16_t;
using BoltDesignation = const char *;

// The two sets of pipe outside diameters (and the bores and hubs that follow them) of one DN.
enum class PipeSeries { A, B };
inline constexpr PipeSeries AllPipeSeries[] = {PipeSeries::A, PipeSeries::B};

// The series of a row of the series list ("A", "B"); none for -1 (nothing selected) or any
// other row.
constexpr std::optional<PipeSeries> seriesAtRow(int row)
{
    if (row == 0)
        return PipeSeries::A;
    if (row == 1)
        return PipeSeries::B;
    return std::nullopt;
}

// The row of exactly this DN among a pressure's rows, or nullptr when none is listed.
template <typename Row> const Row *rowOfDiameter(std::span<const Row> rows, NominalDiameter dn)
{
    const auto row = std::ranges::find(rows, dn, &Row::dn);
    return row == rows.end() ? nullptr : &*row;
}
