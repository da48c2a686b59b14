#pragma once

#include "core/weldneck/weldneckflangetable.h"

// The rows as the standard prints them, in two parts: PN 1.0 to 2.5 (list indexes 0 to 2) and
// PN 4.0 to 25.0 (indexes 3 to 7). Any other index has no rows in that part.
std::span<const WeldNeckFlangeRow> weldNeckFlangeRowsPn1To2(PressureIndex pressure);
std::span<const WeldNeckFlangeRow> weldNeckFlangeRowsPn4To25(PressureIndex pressure);
