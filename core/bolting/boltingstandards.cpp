#include "core/bolting/boltingstandards.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <iterator>

namespace
{

// clang-format off
// Coarse pitch P: GB/T 193. Nut height m (max): GB/T 6170-2015 type 1 hex nut.
constexpr ThreadRow threads[] = {
//    d     P      m
    { 10,  150,   840},
    { 12,  175,  1080},
    { 14,  200,  1280},
    { 16,  200,  1480},
    { 18,  250,  1580},
    { 20,  250,  1800},
    { 22,  250,  1940},
    { 24,  300,  2150},
    { 27,  300,  2380},
    { 30,  350,  2560},
    { 33,  350,  2870},
    { 36,  400,  3100},
    { 39,  400,  3340},
    { 42,  450,  3400},
    { 45,  450,  3600},
    { 48,  500,  3800},
    { 52,  500,  4200},
    { 56,  550,  4500},
    { 60,  550,  4800},
    { 64,  600,  5100},
};

// Up to PN 1.6 hex bolts with one nut, above full-thread stud bolts with two (HG/T 20613). The
// allowances are those the printed plate-flange bolt lengths bear out.
constexpr FastenerRow fasteners[] = {
//  up to PN    kind                       nuts  allowance  standard
    {    160,   FastenerKind::HexBolt,     1,       450,    "GB/T 5782"},
    { INT_MAX,  FastenerKind::StudBolt,    2,       400,    "HG/T 20613"},
};

// Raised face: a 3 mm non-metallic flat gasket up to PN 2.5, counted at its full thickness; above,
// a spiral-wound gasket with inner and outer rings, its 4.5 mm winding pressed to about 3.3 mm.
constexpr GasketRow gaskets[] = {
//  up to PN   compressed  name              standard
    {    250,     300,     "非金属平垫片",    "HG/T 20606"},
    { INT_MAX,    330,     "缠绕式垫片",      "HG/T 20610"},
};

// Upper deviation of the flange thickness C: HG/T 20592 (as EN 1092-1).
struct ToleranceRow {
    Hundredths upToThickness;
    Hundredths tolerance;
};
constexpr ToleranceRow tolerances[] = {
//  up to C   ΔC
    {  1800,  100},
    {  5000,  150},
    { INT_MAX, 200},
};

// Bolt and stud lengths in mm, in steps of 5 (the steps the printed tables use).
struct SeriesRow {
    int from;
    int to;
    int step;
};
constexpr SeriesRow lengthSeries[] = {
//  from   to  step
    {  20, 500,   5},
};
// clang-format on

// The first row whose bound is not below the value; each table's last bound is INT_MAX.
template <typename Row>
const Row &firstUpTo(const auto &rows, int value, int Row::*bound)
{
    return *std::ranges::find_if(rows, [&](const Row &row) { return value <= row.*bound; });
}

} // namespace

Hundredths toHundredths(double millimetres)
{
    return static_cast<Hundredths>(std::lround(millimetres * 100));
}

const ThreadRow *findThread(int diameter)
{
    const auto row = std::ranges::find(threads, diameter, &ThreadRow::diameter);
    return row == std::end(threads) ? nullptr : &*row;
}

const FastenerRow &fastenerFor(int centiMpa)
{
    return firstUpTo(fasteners, centiMpa, &FastenerRow::upToCentiMpa);
}

const GasketRow &gasketFor(int centiMpa)
{
    return firstUpTo(gaskets, centiMpa, &GasketRow::upToCentiMpa);
}

Hundredths thicknessTolerance(Hundredths thickness)
{
    return firstUpTo(tolerances, thickness, &ToleranceRow::upToThickness).tolerance;
}

int seriesLength(Hundredths length)
{
    for (const SeriesRow &row : lengthSeries)
        for (int mm = row.from; mm <= row.to; mm += row.step)
            if (mm * 100 >= length)
                return mm;
    return 0;
}
