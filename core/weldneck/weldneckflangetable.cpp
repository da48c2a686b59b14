#include "core/weldneck/weldneckflangetable.h"

#include "core/weldneck/weldneckrows.h"

#include <algorithm>

std::span<const WeldNeckRow> weldNeckRows(PressureRating pressure)
{
    return pressure <= 2 ? weldNeckRowsPn1To2(pressure) : weldNeckRowsPn4To25(pressure);
}

const WeldNeckRow *findWeldNeckRow(PressureRating pressure, NominalDiameter dn)
{
    const auto rows = weldNeckRows(pressure);
    const auto row = std::ranges::find(rows, dn, &WeldNeckRow::dn);
    return row == rows.end() ? nullptr : &*row;
}
