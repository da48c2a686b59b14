#include "catalogue/query/platequery.h"

using namespace PlateBox;

namespace
{

using enum BoxSource::What;

// The plate window's drawing: which box shows what, in the order a found flange writes them.
constexpr BoxSource Writes[] = {
    {BevelWidth, Value, Dimension::BevelWidth},
    {Bolt, Value, Dimension::Bolt},
    {BoltCircle, Value, Dimension::BoltCircle},
    {OutsideDiameter, Value, Dimension::OutsideDiameter},
    {FaceHeight, Value, Dimension::FaceHeight},
    {Thickness, Value, Dimension::Thickness},
    {Bore, Value, Dimension::Bore},
    {PipeOutside, Value, Dimension::PipeOutsideDiameter},
    {NetArea, Area},
    {NetWeight, Weight},
    {BoltHoles, Callout},
};

} // namespace

const QueryDesign PlateQuery{FlangeKind::Plate, Dn, Writes};

void runPlateQuery(QueryRun &run, std::optional<Rating> rating, std::optional<PipeSeries> series)
{
    runFlangeQuery(run, PlateQuery, rating, series);
}
