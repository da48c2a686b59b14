#pragma once

#include "core/values/types.h"
#include "core/values/workingvalue.h"

#include <span>

// One weld-neck flange size of one pressure. Lengths in mm.
struct WeldNeckRow {
    NominalDiameter dn;
    WorkingValue weldEndDiameterA; // outside diameter at the weld end, series A
    WorkingValue weldEndDiameterB; // series B; "-" where the size has no series-B form
    int flangeDiameter;
    int boltCircle;
    int boltCount;
    int boltHoleDiameter;
    BoltDesignation thread; // thread only, "x" or "X" as the standard prints it
    int ringThickness;
    WorkingValue hubRootDiameterA;
    WorkingValue hubRootDiameterB;
    double weldEndWall;
    int straightNeckHeight;
    int radius;
    int overallHeight;
};

// Number of pressures of the weld-neck window's first list: 1.0, 1.6, 2.5, 4.0, 6.3, 10.0,
// 16.0 and 25.0 MPa.
constexpr int WeldNeckPressureCount = 8;

// The rows of one pressure (list index 0 to 7) in ascending DN; no rows for any other index.
std::span<const WeldNeckRow> weldNeckRows(PressureRating pressure);

// The row of exactly this DN, or nullptr when the pressure does not list it.
const WeldNeckRow *findWeldNeckRow(PressureRating pressure, NominalDiameter dn);
