#pragma once

#include "core/model/standard.h"

#include <QList>
#include <QString>
#include <optional>

// What names one flange of one standard: its type, rating, size, where the standard has them its
// pipe series, and its facing (the sealing face its table's dimensions are for, "RF"; a key
// without one takes the table's).
struct FlangeKey {
    const Standard *standard = nullptr;
    FlangeKind kind = FlangeKind::Plate;
    Rating rating;
    NominalSize size;
    std::optional<PipeSeries> series;
    QString facing;
};

// One row of a standard's table, read by dimension. A dimension the table has no column for, or
// a cell left empty (a slip-on flange without bevel, a weld-neck size with no series-B form),
// has no value.
class TableRow
{
public:
    TableRow(const Standard &standard, const FlangeTable &table, std::size_t index)
        : m_standard(&standard), m_table(&table), m_index(index)
    {
    }

    const Standard &standard() const { return *m_standard; }
    const FlangeTable &table() const { return *m_table; }
    const TableRowKey &key() const { return m_table->keys[m_index]; }
    FlangeKey flangeKey() const;

    bool has(Dimension dimension) const { return cell(dimension) != nullptr; }
    // The number of a numeric dimension.
    std::optional<double> number(Dimension dimension) const;
    // The cell as the data writes it ("M30x2", "17.2"); none where there is no value.
    std::optional<QString> text(Dimension dimension) const;

private:
    const TableCell *cell(Dimension dimension) const;

    const Standard *m_standard;
    const FlangeTable *m_table;
    std::size_t m_index;
};

// The standard the windows show and a kind's flange is of when nothing else is said: the first
// compiled in (HG 20592-97).
const Standard &defaultStandard();
// The standard's table of a flange type; nullptr where it has none.
const FlangeTable *flangeTable(const Standard &standard, FlangeKind kind);

// The row a key names, or none.
std::optional<TableRow> findRow(const FlangeKey &key);

// Whether the table lists the rating.
bool tableLists(const FlangeTable &table, const Rating &rating);
// The ratings a table lists, in its order; the DNs it lists at one, ascending.
QList<Rating> tableRatings(const FlangeTable &table);
QList<int> tableDiameters(const FlangeTable &table, const Rating &rating);
