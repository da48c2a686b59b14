#pragma once

// The published figures a flange joint's bolting is computed from, one small table each: thread
// pitch and nut height by thread, fastener and gasket by pressure, the flange thickness
// tolerance, the bolt length series. Lengths in hundredths of a millimetre, so that a sum that
// lands on a length of the series is seen to land there.

using Hundredths = int;

// Hundredths of a millimetre from mm (rounded to the nearest hundredth).
Hundredths toHundredths(double millimetres);

// A metric thread: its coarse pitch (GB/T 193) and the height m of its hex nut (GB/T 6170
// type 1, the largest height allowed; the fine-thread nut GB/T 6171 is as high).
struct ThreadRow {
    int diameter;
    Hundredths coarsePitch;
    Hundredths nutHeight;
};
// nullptr for a diameter the table does not list.
const ThreadRow *findThread(int diameter);

enum class FastenerKind { HexBolt, StudBolt };

// The fastener of a joint up to a nominal pressure: a hex bolt with one nut at low pressure, a
// full-thread stud bolt with a nut at each end above. The allowance covers the bolt's length
// tolerance and end (the Δl of the length formula).
struct FastenerRow {
    int upToCentiMpa; // pressures in hundredths of a MPa: 160 is PN 1.6
    FastenerKind kind;
    int nutsPerBolt;
    Hundredths allowance;
    const char *standard; // the fastener's standard
};
const FastenerRow &fastenerFor(int centiMpa);

// The gasket of a raised-face joint up to a nominal pressure, with its compressed thickness.
struct GasketRow {
    int upToCentiMpa;
    Hundredths compressedThickness;
    const char *name; // Chinese, as a purchase list names it
    const char *standard;
};
const GasketRow &gasketFor(int centiMpa);

// The largest amount a flange of this thickness C may be thicker than drawn.
Hundredths thicknessTolerance(Hundredths thickness);

// The shortest length of the series, in mm, not shorter than `length`; 0 past the series' end.
int seriesLength(Hundredths length);
