#include "catalogue/query/sliponquery.h"

using namespace SlipOnBox;

namespace
{

using enum BoxSource::What;

// The slip-on window's drawing: which box shows what, in the order a found flange writes them.
// A row without a bevel shows none, rather than the last row's.
constexpr BoxSource Writes[] = {
    {OutsideDiameter, Value, Dimension::OutsideDiameter},
    {BoltCircle, Value, Dimension::BoltCircle},
    {Bolt, Value, Dimension::Bolt},
    {Thickness, Value, Dimension::Thickness},
    {FilletRadius, Value, Dimension::FilletRadius},
    {OverallHeight, Value, Dimension::OverallHeight},
    {BevelWidth, Value, Dimension::BevelWidth},
    {PipeOutside, Value, Dimension::PipeOutsideDiameter},
    {Bore, Value, Dimension::Bore},
    {HubDiameter, Value, Dimension::HubDiameter},
    {BoltHoles, Callout},
    {NetArea, Area},
    {NetWeight, Weight},
};

} // namespace

const QueryDesign SlipOnQuery{FlangeKind::SlipOn, Dn, Writes};

void runSlipOnQuery(QueryRun &run, std::optional<Rating> rating, std::optional<PipeSeries> series)
{
    runFlangeQuery(run, SlipOnQuery, rating, series);
}
