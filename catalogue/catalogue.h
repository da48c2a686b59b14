#pragma once

#include "core/bolting/jointbolting.h"
#include "core/model/tablerow.h"
#include "core/values/types.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <variant>

// Every row of the standards' tables in one shape: what a query window shows after a successful
// "查找", for one kind, rating, DN and series, each dimension read by name from the table's row
// (core/model) and the area and weight by the standard's rules for the type. A kind's ratings are
// those of every standard compiled in that has the kind, the windows' standard's first; a rating
// is looked up in the first standard that lists it. These are the PN series' (the Class series:
// classseries.h).

// "PL", "SO", "WN".
QString kindCode(FlangeKind kind);
// "板式平焊", "带颈平焊", "带颈对焊": also a spelling of the kind in a list or an argument.
QString kindChineseName(FlangeKind kind);
// The kind's name in the language installed: "板式平焊", or "Plate slip-on" in English.
QString kindName(FlangeKind kind);
// The ratings of a kind, in the order its table and its window's list give them.
QList<Rating> listedRatings(FlangeKind kind);
// Their texts, as the list shows them ("0.25", "1.0").
QStringList pressureTexts(FlangeKind kind);
// The DNs listed at a rating, ascending; empty for a rating the kind does not list.
QList<int> listedDiameters(FlangeKind kind, const Rating &rating);

// One found row for one series. Lengths in mm exactly as tabled; nullopt where the row has no
// such value (a slip-on row without bevel, a weld-neck size with no series-B form).
struct FlangeRecord {
    FlangeKind kind = FlangeKind::Plate;
    Rating rating;
    QString pressureText; // the list text, "1.0"
    int dn = 0;
    PipeSeries series = PipeSeries::A;
    std::optional<TableRow> row; // the table's row, every dimension by name

    // A dimension's number, or its text as the table writes it; none where the row has none.
    std::optional<double> value(Dimension dimension) const;
    std::optional<QString> text(Dimension dimension) const;

    // The dimensions by name, for the drawings and writers that read them so.

    std::optional<double> outsideDiameter;     // D, all kinds
    std::optional<double> boltCircle;          // K, all kinds
    std::optional<double> thickness;           // C, all kinds
    std::optional<double> bore;                // B, PL and SO
    std::optional<double> pipeOutsideDiameter; // A, PL and SO
    std::optional<double> bevelWidth;          // b, PL and SO
    std::optional<double> faceHeight;          // f, PL
    std::optional<double> filletRadius;        // R, SO and WN
    std::optional<double> overallHeight;       // H, SO and WN
    std::optional<double> hubDiameter;         // N, SO and WN (at the hub root)
    std::optional<double> weldEndDiameter;     // A, WN
    std::optional<double> wallThickness;       // S, WN
    std::optional<double> neckHeight;          // h, WN
    int holeCount = 0;                         // n
    int holeDiameter = 0;                      // L
    QString callout;                           // "8-φ18", as the window shows it
    QString bolt;                              // "M16x75", "M30X2", as the window shows it
    // What a joint of two such flanges is bolted with: the table's length where it prints one,
    // else the computed one; length 0 where the bolt text cannot be read.
    JointBolting bolting;
    std::optional<double> areaM2;              // PL and SO: the window's "##0.00" value
    std::optional<double> weightKg;            // the window's "##0.00" value; none for "-"
    QString areaText;                          // the window's texts
    QString weightText;
    // The Class series' weld-neck: the pipe schedule its bore, and so its weight, follow.
    QString schedule;
};

// The record of (kind, rating, DN, series), or nullopt when the table lists no such row.
std::optional<FlangeRecord> lookUpFlange(FlangeKind kind, const Rating &rating, int dn,
                                         PipeSeries series);
// The record of a table's row.
FlangeRecord flangeRecord(const TableRow &row);

// The bolt to order for a joint of two such flanges: its designation with the length,
// "M16×80", or the table's bolt text where that cannot be read.
QString boltToOrder(const FlangeRecord &record);

// Every row of a kind in list order, rating by rating, ascending DN; all ratings when `rating`
// is nullopt.
QList<FlangeRecord> flangeRecords(FlangeKind kind, PipeSeries series,
                                  std::optional<Rating> rating = std::nullopt);

// Visits every row of every kind and both series without building a list.
void forEachFlange(const std::function<void(const FlangeRecord &)> &visit);

// One value a record shows, under a self-explaining key, with its Chinese name (the window's
// tooltip), its symbol on the drawing and its unit ("" for counts and texts).
struct FlangeField {
    const char *key; // "outside_diameter"
    QString name;    // "法兰外径"
    QString symbol;  // "D"
    QString unit;    // "mm"
    std::function<std::variant<std::monostate, double, QString>(const FlangeRecord &)> value;
};
using FieldValue = std::variant<std::monostate, double, QString>;

// The fields of a kind in their stable order: the dimensions, then hole_count, hole_diameter,
// callout, bolt, bolt_designation, bolt_length_mm, nuts_per_bolt, area_m2 (PL, SO) and
// weight_kg.
const QList<FlangeField> &flangeFields(FlangeKind kind);
