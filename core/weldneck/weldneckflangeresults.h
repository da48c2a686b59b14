#pragma once

#include "core/weldneck/weldneckflangetable.h"

#include <optional>

// What the weld-neck flange window computes from a row, so the window and the catalogue give the
// same numbers.

// Net weight in kg of the steel the window draws, 7.85 kg/dm³: the ring (flange diameter D,
// thickness C) less its n holes of diameter L; the hub, a cone frustum from the root diameter N
// at the ring to the weld-end diameter A, then straight at A over the neck height h up to the
// overall height H; the bore A − 2S taken out of ring and hub alike. Left out: the fillet R at
// the hub root (about half a percent) and the sealing face's own height, which the face ordered
// decides. None for a size that has no form in the series (its table cells read "-").
std::optional<double> weldNeckNetWeight(const WeldNeckFlangeRow &row, PipeSeries series);
