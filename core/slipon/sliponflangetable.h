#pragma once

#include "core/values/types.h"

#include <optional>
#include <span>

// One row of the hubbed slip-on flange table. Lengths in millimetres.
struct SlipOnFlangeRow {
    NominalDiameter dn;
    int outsideDiameter;  // D
    int boltCircle;       // K
    BoltDesignation bolt; // thread only: "M16", "M30x2"
    int thickness;        // C, the ring
    int filletRadius;     // R, at the hub root
    int overallHeight;    // H, flange face to hub end
    std::optional<int> bevelWidth;
    int holeCount;       // n
    int holeDiameter;    // L
    double pipeOutsideA; // series A and B
    double pipeOutsideB;
    double boreA;
    double boreB;
    int hubDiameterA; // N, at the hub root
    int hubDiameterB;
};

// One table per pressure of the window's first list: 0.6, 1.0, 1.6, 2.5, 4.0 MPa.
inline constexpr int SlipOnPressureCount = 5;

// All rows of one pressure (list index 0 to 4), in DN order; empty for any other index.
std::span<const SlipOnFlangeRow> slipOnFlangeRows(PressureIndex pressure);

// The row of exactly this DN at this pressure, or nullptr when none is listed.
const SlipOnFlangeRow *findSlipOnFlangeRow(PressureIndex pressure, NominalDiameter dn);
