#pragma once

#include "core/values/types.h"

// One row of the plate slip-on flange table: the dimensions of one DN at one pressure, in mm.
// Series A pipes may have a decimal outside diameter (17.2, 406.4), series B ones never do.
struct PlateFlangeRow {
    NominalDiameter dn;
    int bevelWidth; // weld bevel at the top edge of the bore
    BoltDesignation bolt;
    int boltCircle;
    int outsideDiameter;
    int faceHeight; // raised-face step
    int thickness;
    int holeCount;
    int holeDiameter;
    double pipeOutsideA;
    int pipeOutsideB;
    double boreA;
    int boreB;
};

// Pressures of the plate flange window, in the order of its pressure list.
inline constexpr int PlatePressureCount = 5;

// All rows of one pressure (list index 0 to 4), in DN order; empty for any other index.
std::span<const PlateFlangeRow> plateFlangeRows(PressureIndex pressure);

// The row of (pressure index 0 to 4, DN), matched exactly; nullptr when that pressure does not
// list the DN or the index is out of range.
const PlateFlangeRow *findPlateFlangeRow(PressureIndex pressure, NominalDiameter dn);
