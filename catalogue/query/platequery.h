#pragma once

#include "catalogue/query/flangequery.h"

// Box numbers of the plate flange window: the box "Text<n>".
namespace PlateBox
{
constexpr int BevelWidth = 1;
constexpr int PipeOutside = 2;
constexpr int BoltHoles = 3;
constexpr int Bolt = 4;
constexpr int Bore = 5;
constexpr int BoltCircle = 6;
constexpr int OutsideDiameter = 7;
constexpr int FaceHeight = 8;
constexpr int Thickness = 9;
constexpr int NetArea = 10;
constexpr int Dn = 11;
constexpr int NetWeight = 12;
} // namespace PlateBox

// The window's boxes, and what a found flange writes in each.
extern const QueryDesign PlateQuery;

// One press of "查找" on the plate flange window, from the DN box's text and the two list rows:
// the row written onto the drawing with its net area and weight. A missing pressure or series
// or an unlisted DN is told and every result box emptied (flangequery.h).
void runPlateQuery(QueryRun &run, std::optional<Rating> rating, std::optional<PipeSeries> series);
