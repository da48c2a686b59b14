#include "core/slipon/sliponflangeresults.h"

#include "core/values/printedconstants.h"

#include <cmath>

double slipOnPlateArea(double outsideDiameter, double bore, double holeCount, double holeDiameter)
{
    return SlipOnPi *
           (std::pow(outsideDiameter, 2) - bore * bore - holeCount * holeDiameter * holeDiameter) /
           QuarterSquareMillimetresPerSquareMetre;
}

double slipOnHubArea(double hubDiameter, double bore)
{
    return SlipOnPi * (hubDiameter * hubDiameter - bore * bore) /
           QuarterSquareMillimetresPerSquareMetre;
}

double slipOnNetWeight(double plateArea, double hubArea, double thickness, double overallHeight)
{
    return SteelKgPerSquareMetreMillimetre *
           (plateArea * thickness + hubArea * (overallHeight - thickness));
}

double slipOnNetArea(const SlipOnFlangeRow &row, PipeSeries series)
{
    return slipOnPlateArea(row.outsideDiameter, series == PipeSeries::A ? row.boreA : row.boreB,
                           row.holeCount, row.holeDiameter);
}

double slipOnNetWeight(const SlipOnFlangeRow &row, PipeSeries series)
{
    const bool a = series == PipeSeries::A;
    const double hubArea =
        slipOnHubArea(a ? row.hubDiameterA : row.hubDiameterB, a ? row.boreA : row.boreB);
    return slipOnNetWeight(slipOnNetArea(row, series), hubArea, row.thickness, row.overallHeight);
}
