#pragma once

#include "core/model/standard.h"

#include <QString>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <utility>

// A row of a standard's side table (standard.h: pipe walls, gaskets, names) read by column name:
// a cell's number where it reads as one, or its text as written; none where it is empty.
class SideRow
{
public:
    SideRow(const Standard &standard, const SideTable &table, std::size_t index)
        : m_standard(&standard), m_table(&table), m_index(index)
    {
    }

    std::optional<double> number(std::string_view column) const;
    std::optional<QString> text(std::string_view column) const;

private:
    const TableCell *cell(std::string_view column) const;

    const Standard *m_standard;
    const SideTable *m_table;
    std::size_t m_index;
};

// The first row of the standard's side table of that name ("pipe") whose key columns hold the
// texts given ({{"class", "150"}, {"nps", "1/2"}}), or none.
std::optional<SideRow> findSideRow(const Standard &standard, std::string_view table,
                                   std::initializer_list<std::pair<std::string_view, QString>> key);
