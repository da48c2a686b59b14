#include "core/weldneck/weldneckflangetable.h"

#include "core/weldneck/weldneckrows.h"

#include <algorithm>

std::span<const WeldNeckFlangeRow> weldNeckFlangeRows(PressureIndex pressure)
{
    return pressure <= 2 ? weldNeckFlangeRowsPn1To2(pressure) : weldNeckFlangeRowsPn4To25(pressure);
}

const WeldNeckFlangeRow *findWeldNeckFlangeRow(PressureIndex pressure, NominalDiameter dn)
{
    return rowOfDiameter(weldNeckFlangeRows(pressure), dn);
}
