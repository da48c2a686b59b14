#pragma once

#include "catalogue/query/flangequery.h"

// The boxes of the slip-on window, as n of "Text<n>".
namespace SlipOnBox
{
constexpr int Dn = 1;
constexpr int PipeOutside = 2;
constexpr int OutsideDiameter = 3;
constexpr int BoltCircle = 4;
constexpr int BoltHoles = 5;
constexpr int Bolt = 6;
constexpr int Thickness = 7;
constexpr int Bore = 8;
constexpr int HubDiameter = 9;
constexpr int FilletRadius = 10;
constexpr int OverallHeight = 11;
constexpr int NetArea = 12;
constexpr int BevelWidth = 13;
constexpr int NetWeight = 14;
} // namespace SlipOnBox

// The window's boxes, and what a found flange writes in each.
extern const QueryDesign SlipOnQuery;

// One press of "查找" on the hubbed slip-on flange window: the DN from Text1, the row of the
// table written onto the drawing, the series values, the bolt-hole callout, then the plate
// area (Text12) and the net weight (Text14). A missing pressure or series or an unlisted DN is
// told and every result box emptied (flangequery.h).
void runSlipOnQuery(QueryRun &run, std::optional<Rating> rating, std::optional<PipeSeries> series);
