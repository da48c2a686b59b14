#include "core/model/rules.h"

#include "core/model/sidetable.h"
#include "core/values/printedconstants.h"

#include <cmath>
#include <numbers>

namespace
{

// The plate slip-on flange as printed, π as 3.14: the disc of outside diameter D less n holes of
// diameter L and the bore B, in m², in the printed order (D², minus n × L², minus B²).
double platePrintedArea(double D, double n, double L, double B)
{
    const double holes = n * std::pow(L, 2.0);
    return (std::pow(D, 2.0) - holes - std::pow(B, 2.0)) * PlatePi /
           QuarterSquareMillimetresPerSquareMetre;
}

// The hubbed slip-on flange as printed, π as 3.1415: the plate D less the bore B and the holes.
double slipOnPlateArea(double D, double B, double n, double L)
{
    return SlipOnPi * (std::pow(D, 2) - B * B - n * L * L) / QuarterSquareMillimetresPerSquareMetre;
}

// The ring of its hub, N less the bore B.
double slipOnHubArea(double N, double B)
{
    return SlipOnPi * (N * N - B * B) / QuarterSquareMillimetresPerSquareMetre;
}

// The area in mm² of a circle of diameter d.
double disc(double d)
{
    return std::numbers::pi / 4 * d * d;
}

// The steel the weld-neck window draws, 7.85 kg/dm³: the ring (D, thickness C) less its n holes of
// diameter L; the hub, a cone frustum from the root diameter N at the ring to the weld-end
// diameter A, then straight at A over the neck height h up to the overall height H; the bore
// A − 2S taken out of ring and hub alike. Left out: the fillet R at the hub root (about half a
// percent) and the sealing face's own height, which the face ordered decides.
double weldNeckWeight(double D, double C, double n, double L, double N, double A, double S,
                      double h, double H)
{
    const double bore = disc(A - 2 * S);
    const double ring = (disc(D) - n * disc(L) - bore) * C;
    // A frustum's volume is its height times the mean of its end areas and their geometric mean.
    const double taperHeight = H - C - h;
    const double taper = (disc(N) + disc(A) + std::sqrt(disc(N) * disc(A))) / 3 * taperHeight -
                         bore * taperHeight;
    const double neck = (disc(A) - bore) * h;
    // mm³ to dm³ (10⁻⁶), times the kg of a dm³ of steel.
    return (ring + taper + neck) * SteelKgPerSquareMetreMillimetre / 1e6;
}

// A flange of the Class series (ASME B16.5 gives no weights): the ring (outside diameter O,
// thickness tf) less its n holes of diameter L; the hub, a cone frustum from X at the ring's back
// to `hubEnd` over Y − tf (a slip-on hub taken as straight at X, hubEnd = X; none for a blind
// flange); the raised face, diameter R and height f; the bore taken out of all three.
double classFlangeWeight(double O, double tf, double n, double L, double R, double f, double X,
                         double hubEnd, double Y, double bore)
{
    const double hubLength = X > 0 ? Y - tf : 0;
    const double ring = (disc(O) - n * disc(L) - disc(bore)) * tf;
    const double hub =
        (disc(X) + disc(hubEnd) + std::sqrt(disc(X) * disc(hubEnd))) / 3 * hubLength -
        disc(bore) * hubLength;
    const double face = (disc(R) - disc(bore)) * f;
    return (ring + hub + face) * SteelKgPerSquareMetreMillimetre / 1e6;
}

// The row of the standard's pipe table for the row's size.
std::optional<SideRow> pipeRow(const TableRow &row)
{
    return findSideRow(row.standard(), "pipe", {{"dn", QString::number(row.key().size.dn)}});
}

std::string wallColumn(QStringView schedule)
{
    return "wall_" + schedule.toString().toLower().toStdString() + "_mm";
}

// The values of the dimensions a rule needs, or none when any has none.
template <std::size_t N>
std::optional<std::array<double, N>> values(const TableRow &row, const Dimension (&needed)[N])
{
    std::array<double, N> found{};
    for (std::size_t i = 0; i < N; ++i) {
        const std::optional<double> value = row.number(needed[i]);
        if (!value)
            return std::nullopt;
        found[i] = *value;
    }
    return found;
}

using enum Dimension;

} // namespace

std::optional<double> netArea(const TableRow &row)
{
    switch (row.table().area) {
    case AreaRule::None:
        break;
    case AreaRule::PlatePrinted:
        if (const auto v = values(row, {OutsideDiameter, HoleCount, HoleDiameter, Bore}))
            return platePrintedArea((*v)[0], (*v)[1], (*v)[2], (*v)[3]);
        break;
    case AreaRule::SlipOnPrinted:
        if (const auto v = values(row, {OutsideDiameter, Bore, HoleCount, HoleDiameter}))
            return slipOnPlateArea((*v)[0], (*v)[1], (*v)[2], (*v)[3]);
        break;
    }
    return std::nullopt;
}

QStringList pipeSchedules(const Standard &standard)
{
    QStringList schedules;
    for (const SideTable &table : standard.sideTables)
        if (std::string_view(table.name) == "pipe")
            for (const char *column : table.columns) {
                const QString name = QString::fromLatin1(column);
                if (name.startsWith(u"wall_") && name.endsWith(u"_mm"))
                    schedules.append(name.mid(5, name.size() - 8).toUpper());
            }
    return schedules;
}

std::optional<double> flangeBore(const TableRow &row, QStringView schedule)
{
    const std::optional<SideRow> pipe = pipeRow(row);
    if (!pipe)
        return std::nullopt;
    switch (row.table().weight) {
    case WeightRule::WeldNeckOnPipe: {
        const std::optional<double> outside = pipe->number("outside_diameter_mm");
        const std::optional<double> wall = pipe->number(wallColumn(schedule));
        if (outside && wall)
            return *outside - 2 * *wall;
        break;
    }
    case WeightRule::SlipOnBored:
        return pipe->number("slipon_bore_mm");
    default:
        break;
    }
    return std::nullopt;
}

std::optional<double> netWeight(const TableRow &row, QStringView schedule)
{
    switch (row.table().weight) {
    case WeightRule::None:
        break;
    case WeightRule::PlatePrinted:
        if (const auto v = values(row, {OutsideDiameter, HoleCount, HoleDiameter, Bore, Thickness}))
            return platePrintedArea((*v)[0], (*v)[1], (*v)[2], (*v)[3]) *
                   SteelKgPerSquareMetreMillimetre * (*v)[4];
        break;
    case WeightRule::SlipOnPrinted:
        if (const auto v = values(row, {OutsideDiameter, Bore, HoleCount, HoleDiameter,
                                        HubDiameter, Thickness, OverallHeight})) {
            const auto [D, B, n, L, N, C, H] = *v;
            return SteelKgPerSquareMetreMillimetre *
                   (slipOnPlateArea(D, B, n, L) * C + slipOnHubArea(N, B) * (H - C));
        }
        break;
    case WeightRule::WeldNeckGeometry:
        if (const auto v = values(row, {OutsideDiameter, Thickness, HoleCount, HoleDiameter,
                                        HubDiameter, WeldEndDiameter, WallThickness, NeckHeight,
                                        OverallHeight})) {
            const auto [D, C, n, L, N, A, S, h, H] = *v;
            return weldNeckWeight(D, C, n, L, N, A, S, h, H);
        }
        break;
    case WeightRule::WeldNeckOnPipe:
    case WeightRule::SlipOnBored: {
        const std::optional<double> bore = flangeBore(row, schedule);
        const std::optional<double> pipeOutside =
            pipeRow(row) ? pipeRow(row)->number("outside_diameter_mm") : std::nullopt;
        const auto v = values(row, {OutsideDiameter, Thickness, HoleCount, HoleDiameter,
                                    RaisedFaceDiameter, FaceHeight, HubDiameter,
                                    LengthThroughHub});
        if (!bore || !pipeOutside || !v)
            break;
        const auto [O, tf, n, L, R, f, X, Y] = *v;
        const bool weldNeck = row.table().weight == WeightRule::WeldNeckOnPipe;
        return classFlangeWeight(O, tf, n, L, R, f, X, weldNeck ? *pipeOutside : X, Y, *bore);
    }
    case WeightRule::BlindSolid:
        if (const auto v = values(row, {OutsideDiameter, Thickness, HoleCount, HoleDiameter,
                                        RaisedFaceDiameter, FaceHeight})) {
            const auto [O, tf, n, L, R, f] = *v;
            return classFlangeWeight(O, tf, n, L, R, f, 0, 0, 0, 0);
        }
        break;
    }
    return std::nullopt;
}
