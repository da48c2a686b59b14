#pragma once

#include "core/slipon/sliponflangetable.h"

// What the slip-on flange window computes from a row, in the printed formulas' own arithmetic
// (π as 3.1415, see printedconstants.h), so the window and the catalogue give the same numbers.

// The plate the flange is cut from, in m²: outside diameter D less the bore B and n holes of
// diameter L.
double slipOnPlateArea(double outsideDiameter, double bore, double holeCount, double holeDiameter);
// The ring of the hub, in m²: hub diameter N less the bore B.
double slipOnHubArea(double hubDiameter, double bore);
// Net weight in kg: the plate at ring thickness C, the hub ring over the rest of the height H.
double slipOnNetWeight(double plateArea, double hubArea, double thickness, double overallHeight);

// The same for a row, with the bore and hub of its series. The net area is the plate area.
double slipOnNetArea(const SlipOnFlangeRow &row, PipeSeries series);
double slipOnNetWeight(const SlipOnFlangeRow &row, PipeSeries series);
