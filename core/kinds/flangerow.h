#pragma once

#include "core/plate/plateflangetable.h"
#include "core/slipon/sliponflangetable.h"
#include "core/weldneck/weldneckflangetable.h"

#include <QList>
#include <optional>
#include <variant>

// The table row of any kind: a row of the plate, slip-on or weld-neck table.
using FlangeRow =
    std::variant<const PlateFlangeRow *, const SlipOnFlangeRow *, const WeldNeckFlangeRow *>;

// The number of pressures in a kind's list.
int flangePressureCount(FlangeKind kind);

// The row of (kind, pressure index, DN), or nullopt when that pressure does not list the DN.
std::optional<FlangeRow> findFlangeRow(FlangeKind kind, PressureIndex pressure, NominalDiameter dn);

// The DNs a kind lists at a pressure, ascending; empty for an index out of range.
QList<int> tabledDiameters(FlangeKind kind, PressureIndex pressure);
