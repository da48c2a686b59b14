#pragma once

#include "core/values/types.h"
#include "core/values/workingvalue.h"

#include <span>

// One weld-neck flange size of one pressure. Lengths in mm.
struct WeldNeckFlangeRow {
    NominalDiameter dn;
    WorkingValue weldEndDiameterA; // outside diameter at the weld end, series A
    WorkingValue weldEndDiameterB; // series B; "-" where the size has no series-B form
    int outsideDiameter;           // D
    int boltCircle;                // K
    int holeCount;                 // n
    int holeDiameter;              // L
    BoltDesignation bolt;          // thread only, "x" or "X" as the standard prints it
    int thickness;                 // C, the ring
    WorkingValue hubDiameterA;     // N, at the hub root
    WorkingValue hubDiameterB;
    double wallThickness; // S, at the weld end
    int neckHeight;       // h, the straight part at the weld end
    int filletRadius;     // R
    int overallHeight;    // H
};

// Number of pressures of the weld-neck window's first list: 1.0, 1.6, 2.5, 4.0, 6.3, 10.0,
// 16.0 and 25.0 MPa.
constexpr int WeldNeckPressureCount = 8;

// The rows of one pressure (list index 0 to 7) in ascending DN; no rows for any other index.
std::span<const WeldNeckFlangeRow> weldNeckFlangeRows(PressureIndex pressure);

// The row of exactly this DN, or nullptr when the pressure does not list it.
const WeldNeckFlangeRow *findWeldNeckFlangeRow(PressureIndex pressure, NominalDiameter dn);
