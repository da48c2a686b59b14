#include "core/weldneck/weldneckflangeresults.h"

#include "core/values/printedconstants.h"

#include <cmath>
#include <numbers>

namespace
{

// The area in mm² of a circle of diameter d.
double disc(double d)
{
    return std::numbers::pi / 4 * d * d;
}

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

} // namespace

std::optional<double> weldNeckNetWeight(const WeldNeckFlangeRow &row, PipeSeries series)
{
    const bool a = series == PipeSeries::A;
    const WorkingValue &weldEnd = a ? row.weldEndDiameterA : row.weldEndDiameterB;
    const WorkingValue &hub = a ? row.hubDiameterA : row.hubDiameterB;
    if (weldEnd.isText() || hub.isText())
        return std::nullopt;
    return weldNeckWeight(row.outsideDiameter, row.thickness, row.holeCount, row.holeDiameter,
                          hub.number(), weldEnd.number(), row.wallThickness, row.neckHeight,
                          row.overallHeight);
}
