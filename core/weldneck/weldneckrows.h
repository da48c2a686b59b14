#pragma once

#include "core/weldneck/weldneckflangetable.h"

// The rows as the standard prints them, in two parts: PN 1.0 to 2.5 (list indexes 0 to 2) and
// PN 4.0 to 25.0 (indexes 3 to 7). Any other index has no rows in that part.
std::span<const WeldNeckRow> weldNeckRowsPn1To2(PressureRating pressure);
std::span<const WeldNeckRow> weldNeckRowsPn4To25(PressureRating pressure);
