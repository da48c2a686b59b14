#pragma once

#include "core/plate/plateflangetable.h"

// What the plate flange window computes from a row, in the printed formulas' own arithmetic
// (π as 3.14, see printedconstants.h), so the window and the catalogue give the same numbers.

// Net area in m²: the disc of outside diameter D less n holes of diameter L and the bore B.
double plateNetArea(double outsideDiameter, double holeCount, double holeDiameter, double bore);
// Net weight in kg of that area at thickness C.
double plateNetWeight(double netArea, double thickness);

// The same for a row, with the bore of its series.
double plateNetArea(const PlateFlangeRow &row, PipeSeries series);
double plateNetWeight(const PlateFlangeRow &row, PipeSeries series);
