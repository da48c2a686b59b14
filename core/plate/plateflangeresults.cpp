#include "core/plate/plateflangeresults.h"

#include "core/values/printedconstants.h"

#include <cmath>

double plateNetArea(double outsideDiameter, double holeCount, double holeDiameter, double bore)
{
    // In the printed order: D², minus n × L², minus B², times π, over the quarter in m².
    const double holes = holeCount * std::pow(holeDiameter, 2.0);
    return (std::pow(outsideDiameter, 2.0) - holes - std::pow(bore, 2.0)) * PlatePi /
           QuarterSquareMillimetresPerSquareMetre;
}

double plateNetWeight(double netArea, double thickness)
{
    return netArea * SteelKgPerSquareMetreMillimetre * thickness;
}

double plateNetArea(const PlateFlangeRow &row, PipeSeries series)
{
    return plateNetArea(row.outsideDiameter, row.holeCount, row.holeDiameter,
                        series == PipeSeries::A ? row.boreA : row.boreB);
}

double plateNetWeight(const PlateFlangeRow &row, PipeSeries series)
{
    return plateNetWeight(plateNetArea(row, series), row.thickness);
}
