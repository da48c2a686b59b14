#pragma once

// The constants the printed area and weight formulas use. The plate and slip-on windows show what
// the printed formulas give, so each keeps its own value of π rather than a more exact one.

inline constexpr double PlatePi = 3.14;    // π as the printed plate flange formula writes it
inline constexpr double SlipOnPi = 3.1415; // π as the printed slip-on flange formula writes it

// Steel, 7.85 kg/dm³: the kg of one m² of plate 1 mm thick.
inline constexpr double SteelKgPerSquareMetreMillimetre = 7.85;

// A quarter of π·d² in mm², turned into m²: the 4 of d²/4 times 1000000 mm² to the m².
inline constexpr double QuarterSquareMillimetresPerSquareMetre = 4000000.0;
