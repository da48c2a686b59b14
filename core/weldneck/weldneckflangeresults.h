#pragma once

#include "core/weldneck/weldneckflangetable.h"

#include <optional>

// What the weld-neck flange window computes from a row, in the printed formula's own arithmetic
// (π and the density folded into one constant, see printedconstants.h), so the window and the
// catalogue give the same numbers.

// Net weight in kg of ring and hub, from flange diameter D, ring thickness C, bolt count n and
// hole diameter L, hub root diameter N, weld-end diameter E, wall S and overall height H.
double weldNeckWeight(double D, double C, double n, double L, double N, double E, double S,
                      double H);

// The same for a row, with the weld end and hub of its series; none for a size that has no form
// in that series (its table cells read "-").
std::optional<double> weldNeckNetWeight(const WeldNeckFlangeRow &row, PipeSeries series);
