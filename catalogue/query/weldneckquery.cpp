#include "catalogue/query/weldneckquery.h"

using namespace WeldNeckBox;

namespace
{

using enum BoxSource::What;

// The weld-neck window's drawing: which box shows what, in the order a found flange writes them.
// A size without a form in the series shows its "-", and so does its weight.
constexpr BoxSource Writes[] = {
    {OutsideDiameter, Value, Dimension::OutsideDiameter},
    {BoltCircle, Value, Dimension::BoltCircle},
    {Bolt, Value, Dimension::Bolt},
    {Thickness, Value, Dimension::Thickness},
    {WallThickness, Value, Dimension::WallThickness},
    {NeckHeight, Value, Dimension::NeckHeight},
    {FilletRadius, Value, Dimension::FilletRadius},
    {OverallHeight, Value, Dimension::OverallHeight},
    {WeldEndDiameter, Value, Dimension::WeldEndDiameter, "-"},
    {HubDiameter, Value, Dimension::HubDiameter, "-"},
    {BoltHoles, Callout},
    {NetWeight, Weight, Dimension::OutsideDiameter, "-"},
};

} // namespace

const QueryDesign WeldNeckQuery{FlangeKind::WeldNeck, Dn, Writes};

void runWeldNeckQuery(QueryRun &run, std::optional<Rating> rating,
                      std::optional<PipeSeries> series)
{
    runFlangeQuery(run, WeldNeckQuery, rating, series);
}
