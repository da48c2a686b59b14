#include "core/model/tablerow.h"

#include <algorithm>
#include <tuple>

FlangeKey TableRow::flangeKey() const
{
    return {m_standard, m_table->kind, key().rating,
            key().size, key().series,  QString::fromLatin1(m_table->facing)};
}

const TableCell *TableRow::cell(Dimension dimension) const
{
    const auto column = std::ranges::find(m_table->columns, dimension);
    if (column == m_table->columns.end())
        return nullptr;
    const TableCell &found = m_table->cells[m_index * m_table->columns.size() +
                                            std::size_t(column - m_table->columns.begin())];
    return found.text == TableCell::NoText ? nullptr : &found;
}

std::optional<double> TableRow::number(Dimension dimension) const
{
    const TableCell *found = cell(dimension);
    if (!found || isTextDimension(dimension))
        return std::nullopt;
    return found->number;
}

std::optional<QString> TableRow::text(Dimension dimension) const
{
    const TableCell *found = cell(dimension);
    if (!found)
        return std::nullopt;
    return QString::fromUtf8(m_standard->texts + found->text);
}

const Standard &defaultStandard()
{
    return builtInStandards().front();
}

const FlangeTable *flangeTable(const Standard &standard, FlangeKind kind)
{
    const auto table = std::ranges::find(standard.tables, kind, &FlangeTable::kind);
    return table == standard.tables.end() ? nullptr : &*table;
}

std::optional<TableRow> findRow(const FlangeKey &key)
{
    if (!key.standard)
        return std::nullopt;
    const FlangeTable *table = flangeTable(*key.standard, key.kind);
    if (!table || key.series.has_value() != key.standard->pipeSeries ||
        (!key.facing.isEmpty() && key.facing != QLatin1String(table->facing)))
        return std::nullopt;
    // The generator keeps every table in this order.
    const auto order = [](const TableRowKey &row) {
        return std::tuple(row.rating.value, row.size.dn, row.series);
    };
    const TableRowKey wanted{key.rating, key.size, key.series};
    const auto row = std::ranges::lower_bound(table->keys, order(wanted), {}, order);
    if (row == table->keys.end() || order(*row) != order(wanted) || row->rating != key.rating ||
        (key.size.npsQuarters != 0 && row->size.npsQuarters != key.size.npsQuarters))
        return std::nullopt;
    return TableRow(*key.standard, *table, std::size_t(row - table->keys.begin()));
}

bool tableLists(const FlangeTable &table, const Rating &rating)
{
    const auto row = std::ranges::lower_bound(
        table.keys, rating.value, {}, [](const TableRowKey &key) { return key.rating.value; });
    return row != table.keys.end() && row->rating == rating;
}

QList<Rating> tableRatings(const FlangeTable &table)
{
    QList<Rating> ratings;
    for (const TableRowKey &row : table.keys)
        if (!ratings.contains(row.rating))
            ratings.append(row.rating);
    return ratings;
}

QList<int> tableDiameters(const FlangeTable &table, const Rating &rating)
{
    QList<int> dns;
    for (const TableRowKey &row : table.keys)
        if (row.rating == rating && !dns.contains(row.size.dn))
            dns.append(row.size.dn);
    std::ranges::sort(dns);
    return dns;
}
