#include "core/model/sidetable.h"

#include <algorithm>

const TableCell *SideRow::cell(std::string_view column) const
{
    const auto found = std::ranges::find(m_table->columns, column,
                                         [](const char *name) { return std::string_view(name); });
    if (found == m_table->columns.end())
        return nullptr;
    const TableCell &cell = m_table->cells[m_index * m_table->columns.size() +
                                           std::size_t(found - m_table->columns.begin())];
    return cell.text == TableCell::NoText ? nullptr : &cell;
}

std::optional<double> SideRow::number(std::string_view column) const
{
    const TableCell *found = cell(column);
    return found ? std::optional<double>(found->number) : std::nullopt;
}

std::optional<QString> SideRow::text(std::string_view column) const
{
    const TableCell *found = cell(column);
    return found ? std::optional<QString>(QString::fromUtf8(m_standard->texts + found->text))
                 : std::nullopt;
}

std::optional<SideRow> findSideRow(const Standard &standard, std::string_view table,
                                   std::initializer_list<std::pair<std::string_view, QString>> key)
{
    const auto found = std::ranges::find(standard.sideTables, table,
                                         [](const SideTable &t) { return std::string_view(t.name); });
    if (found == standard.sideTables.end() || found->columns.empty())
        return std::nullopt;
    const std::size_t rows = found->cells.size() / found->columns.size();
    for (std::size_t i = 0; i < rows; ++i) {
        const SideRow row(standard, *found, i);
        if (std::ranges::all_of(key, [&](const auto &k) { return row.text(k.first) == k.second; }))
            return row;
    }
    return std::nullopt;
}
