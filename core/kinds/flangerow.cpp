#include "core/kinds/flangerow.h"

namespace
{

template <typename Row> std::optional<FlangeRow> found(const Row *row)
{
    return row ? std::optional<FlangeRow>(row) : std::nullopt;
}

template <typename Row> QList<int> diametersOf(std::span<const Row> rows)
{
    QList<int> dns;
    for (const Row &row : rows)
        dns.append(row.dn);
    return dns;
}

} // namespace

int flangePressureCount(FlangeKind kind)
{
    switch (kind) {
    case FlangeKind::Plate:
        return PlatePressureCount;
    case FlangeKind::SlipOn:
        return SlipOnPressureCount;
    case FlangeKind::WeldNeck:
        return WeldNeckPressureCount;
    }
    return 0;
}

std::optional<FlangeRow> findFlangeRow(FlangeKind kind, PressureIndex pressure, NominalDiameter dn)
{
    switch (kind) {
    case FlangeKind::Plate:
        return found(findPlateFlangeRow(pressure, dn));
    case FlangeKind::SlipOn:
        return found(findSlipOnFlangeRow(pressure, dn));
    case FlangeKind::WeldNeck:
        return found(findWeldNeckFlangeRow(pressure, dn));
    }
    return std::nullopt;
}

QList<int> tabledDiameters(FlangeKind kind, PressureIndex pressure)
{
    switch (kind) {
    case FlangeKind::Plate:
        return diametersOf(plateFlangeRows(pressure));
    case FlangeKind::SlipOn:
        return diametersOf(slipOnFlangeRows(pressure));
    case FlangeKind::WeldNeck:
        return diametersOf(weldNeckFlangeRows(pressure));
    }
    return {};
}
