#pragma once

#include "takeoff/takeoffline.h"
#include "takeoff/takeofftotals.h"

#include <QList>
#include <QString>
#include <functional>
#include <variant>

// Writes a take-off as it is computed: one line at a time, then the totals.
class TakeoffWriter
{
public:
    virtual ~TakeoffWriter() = default;
    // Before the columns: the list's title rows, which the forms that keep them write first.
    virtual void writeTitles(const QStringList &titles) { Q_UNUSED(titles) }
    // Before the first line: the list's own columns, which every line carries.
    virtual void begin(const CarriedColumns &carried) = 0;
    virtual void writeLine(const TakeoffLine &line) = 0;
    virtual void writeTotals(const TakeoffTotals &totals) = 0;
    // Flushes; false with the reason when the output could not be written.
    virtual bool finish(QString &error) = 0;
    // True once a write has failed: the rest of the take-off could reach no output.
    virtual bool failed() const { return false; }
};

// The columns a table of lines shows (text, CSV, spreadsheet): the line number, what the line
// asks for, the row's main values, the weights, and the reason of a failed line.
struct TakeoffColumn {
    QString name; // Chinese, as the windows name the value; a carried column's own name
    QString unit; // "" for counts and texts
    int decimals; // -1: as short as the value allows; PressureDecimals: see there
    int standard; // its TakeoffColumnIndex, or -1 for a carried column
};
// A pressure's decimals: as short as the value allows but one at least, as the standard writes a
// pressure (1.0, 4.0, 0.25; a bare "1" or "10" reads like another PN).
inline constexpr int PressureDecimals = -2;
// The program's own columns, in TakeoffColumnIndex order.
const QList<TakeoffColumn> &takeoffColumns();
// The columns of a list's table: the line number, the list's leading columns, kind to quantity,
// its trailing columns, then the computed columns and the reason.
QList<TakeoffColumn> takeoffColumns(const CarriedColumns &carried);
// "法兰外径(mm)".
QString takeoffColumnTitle(const TakeoffColumn &column);

enum TakeoffColumnIndex {
    LineColumn,
    KindColumn,
    PressureColumn,
    SeriesColumn,
    DnColumn,
    QuantityColumn,
    OutsideDiameterColumn,
    BoltCircleColumn,
    CalloutColumn,
    BoltColumn,
    ThicknessColumn,
    UnitWeightColumn,
    WeightColumn,
    ErrorColumn,
};

// Where a program column stands among the columns of takeoffColumns(carried).
qsizetype takeoffColumnPlace(TakeoffColumnIndex column, const CarriedColumns &carried);

using TakeoffCell = std::variant<std::monostate, double, QString>;
// A line's cells, one per program column; what a failed line could not read is shown as written.
QList<TakeoffCell> takeoffCells(const TakeoffLine &line);
// The same with the carried texts in their places (the columns of takeoffColumns(carried)).
QList<TakeoffCell> takeoffCells(const TakeoffLine &line, const CarriedColumns &carried);
// How a bolting total's material is written: its own column's text as written; the flanges'
// material it borrows as what it serves ("S30408 法兰用", so that it does not read as the bolts'
// own), in the interface's language when `translated`; "" without one.
QString boltingMaterialText(const CarriedRoles &roles, BoltingItem item, const QString &material,
                            bool translated = false);
// The same for a sentence: "未写材质" where its own column was left empty.
QString boltingMaterialLabel(const CarriedRoles &roles, BoltingItem item, const QString &material,
                             bool translated = false);
// The totals as a block of their own, written below the lines after an empty row under a header
// of their own (takeoffTotalsHeader()): a row for the flanges and one for their weight, with a
// material column a pair for each material ("法兰", "重量", its material); then a row for each
// bolt designation ("螺栓" or "螺柱", the designation), each nut thread ("螺母") and each gasket
// (its type, "非金属平垫片", and "RF 100-1.6"), with its material as boltingMaterialText() writes
// it; and the lines left out of the totals. Each row has TotalsColumnCount cells.
enum TakeoffTotalsColumn {
    TotalsItemColumn,
    TotalsDesignationColumn,
    TotalsMaterialColumn,
    TotalsAmountColumn,
    TotalsUnitColumn,
    TotalsColumnCount,
};
// The block stands in the first columns of the sheet, and a line's quantity, unit weight and
// weight stand at QuantityColumn or after it (a list's leading columns only push them right):
// so no count or weight of the block ever falls in those columns, and summing them in a
// spreadsheet counts the lines' flanges alone.
static_assert(int(TotalsColumnCount) <= int(QuantityColumn) && QuantityColumn < UnitWeightColumn &&
              UnitWeightColumn < WeightColumn);
// "合计", "规格", "材质", "数量", "单位".
const QList<TakeoffCell> &takeoffTotalsHeader();
// The rows one at a time, as the totals read them back: a writer holds one row, however many
// materials the list has.
void forEachTotalsRow(const TakeoffTotals &totals, const CarriedColumns &carried,
                      const std::function<void(const QList<TakeoffCell> &row)> &visit);
// The rows in a list, for a table that holds its lines.
QList<QList<TakeoffCell>> takeoffTotalsBlock(const TakeoffTotals &totals,
                                             const CarriedColumns &carried = {});
// The decimals of a block cell: a weight (its unit kg) in hundredths, others as short as they go.
int takeoffTotalsDecimals(const QList<TakeoffCell> &row, qsizetype column);
// A cell as text: numbers with the column's decimals.
QString takeoffCellText(const TakeoffCell &cell, int decimals);
