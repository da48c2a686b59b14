#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>

// Values a query window works with.

// The flange types: plate slip-on (PL), hubbed slip-on (SO), weld-neck (WN), blind (BL). The
// first three have a window and a table in the windows' standard; blind flanges have neither yet.
enum class FlangeKind { Plate, SlipOn, WeldNeck, Blind };
inline constexpr FlangeKind AllFlangeKinds[] = {FlangeKind::Plate, FlangeKind::SlipOn,
                                                FlangeKind::WeldNeck};

using NominalDiameter = std::int16_t;

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

