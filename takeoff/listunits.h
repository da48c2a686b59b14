#pragma once

#include "catalogue/flangeinput.h"

#include <QString>
#include <QStringView>
#include <optional>

// The units a line list names for a whole column, in its header ("公称压力(bar)", "数量（副）",
// "DN/mm") or in a row of units under it, and how they turn a cell into what the take-off reads.
enum class ListUnit { None, Mpa, Bar, KgfPerCm2, Pieces, Pairs };

// What a column holds, for the units that can apply to it.
enum class UnitColumn { Pressure, Size, Quantity };

// A unit as written, compared without spaces, case, width or enclosing brackets: "（MPa）" is
// "mpa". Empty when it is no unit the lists use.
QString unitKey(QStringView text);
// Whether a text is a unit of any kind (a cell of a row of units: "DN", "MPa", "片", "kg").
bool isUnitText(QStringView text);
// A row of units under a header: every cell that holds something is a unit ("—" and "/" hold
// nothing).
bool isUnitsRow(const QStringList &cells);

// A unit for a column: the unit to apply, or nullopt when the unit names something the column
// cannot hold (a mass for a quantity, inches for a DN, psi for a pressure it cannot convert).
// A text that is no known unit is no unit: ListUnit::None.
std::optional<ListUnit> columnUnit(UnitColumn column, QStringView unitText);

// A cell read in its column's unit: a bare number ("16", and "PN16" under bar or kgf/cm²) gets
// the unit, a cell with its own unit ("1.6MPa", "4片") keeps it. The pressures as readPressureSpelling() reads them, a
// quantity in pairs as readPieces() reads it.
QString withColumnUnit(const QString &cell, ListUnit unit);

// A pressure in kgf/cm² ("16kgf/cm2", "16 kg/cm²") in MPa as the older designation meant it:
// the series of nominal pressures in kgf/cm² used the numbers of the MPa series times ten
// (16 kgf/cm² = 1.569 MPa is PN 1.6), so v kgf/cm² reads as v/10 MPa, which the kind must list.
// nullopt when the text names no kgf/cm².
std::optional<QString> kgfPressureInMpa(QStringView text);

// A number of flanges in pieces: a quantity as readQuantity() reads it, or in pairs ("2副",
// "2对", "2 pairs", "2双"), two pieces a pair.
ValueReading<qint64> readPieces(QStringView text, qint64 most);
