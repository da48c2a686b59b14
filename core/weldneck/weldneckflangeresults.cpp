#include "core/weldneck/weldneckflangeresults.h"

#include "core/values/printedconstants.h"

double weldNeckWeight(double D, double C, double n, double L, double N, double E, double S,
                      double H)
{
    // The lengths are mm: the quarter of π·d² in m² times the density gives kg.
    const double bore = E - 2 * S;
    return WeldNeckPiTimesDensity * (C * (D * D - n * L * L) + H * (N * N - bore * bore)) /
           QuarterSquareMillimetresPerSquareMetre;
}

std::optional<double> weldNeckNetWeight(const WeldNeckFlangeRow &row, PipeSeries series)
{
    const bool a = series == PipeSeries::A;
    const WorkingValue &weldEnd = a ? row.weldEndDiameterA : row.weldEndDiameterB;
    const WorkingValue &hub = a ? row.hubDiameterA : row.hubDiameterB;
    if (weldEnd.isText() || hub.isText())
        return std::nullopt;
    return weldNeckWeight(row.outsideDiameter, row.thickness, row.holeCount, row.holeDiameter,
                          hub.number(), weldEnd.number(), row.wallThickness, row.overallHeight);
}
