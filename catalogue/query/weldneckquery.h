#pragma once

#include "catalogue/query/flangequery.h"

// Boxes of the weld-neck window, "Text<n>".
namespace WeldNeckBox
{
constexpr int Dn = 1;
constexpr int WeldEndDiameter = 2;
constexpr int OutsideDiameter = 3;
constexpr int BoltCircle = 4;
constexpr int BoltHoles = 5;
constexpr int Bolt = 6;
constexpr int Thickness = 7;
constexpr int HubDiameter = 8;
constexpr int WallThickness = 9;
constexpr int NeckHeight = 10;
constexpr int FilletRadius = 11;
constexpr int NetWeight = 12;
constexpr int OverallHeight = 13;
} // namespace WeldNeckBox

// The window's boxes, and what a found flange writes in each.
extern const QueryDesign WeldNeckQuery;

// One press of "查找" on the weld-neck window: looks the DN typed into Text1 up for the chosen
// pressure, writes the row, the series' weld-end and hub diameters, the bolt-hole callout and
// the net weight in kg. A missing pressure or series or an unlisted DN is told and every result
// box emptied (flangequery.h).
void runWeldNeckQuery(QueryRun &run, std::optional<Rating> rating, std::optional<PipeSeries> series);
