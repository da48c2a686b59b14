#include "takeoff/takeoffrun.h"

#include "catalogue/flangeinput.h"

namespace
{

// Rows looked through for a header before the list is taken to have none.
constexpr qsizetype HeaderSearchRows = 16;

} // namespace

ListReading::ListReading(ListRows &rows) : m_rows(rows)
{
    // A row that reads as a line of a list without header (a flange kind first) ends the search.
    while (m_ahead.size() < HeaderSearchRows) {
        std::optional<ListRow> row = m_rows.next();
        if (!row)
            break;
        if (row->fault.isEmpty()) {
            if (std::optional<ListLayout> header = ListLayout::fromHeader(row->cells)) {
                m_layout = std::move(*header);
                m_ahead.clear(); // titles
                return;
            }
        }
        const bool line = readFlangeKind(row->cells.value(0)).has_value();
        m_ahead.append(std::move(*row));
        if (line)
            break;
    }
}

std::optional<ListLine> ListReading::next()
{
    if (!m_ahead.isEmpty())
        return m_layout.line(m_ahead.takeFirst());
    if (std::optional<ListRow> row = m_rows.next())
        return m_layout.line(*row);
    return std::nullopt;
}

TakeoffTotals computeTakeoff(ListRows &rows, TakeoffWriter &writer,
                             const std::function<void(const TakeoffLine &line)> &failed)
{
    ListReading reading(rows);
    writer.begin(reading.layout().carried());
    TakeoffCalculator calculator;
    TakeoffTotals totals;
    const CarriedRoles roles = carriedRoles(reading.layout().carried());
    while (const std::optional<ListLine> read = reading.next()) {
        const TakeoffLine line = calculator.compute(*read, roles);
        writer.writeLine(line);
        totals.add(line);
        if (!line.ok())
            failed(line);
    }
    writer.writeTotals(totals);
    return totals;
}
