#include "takeoff/takeoffrun.h"

#include "catalogue/flangeinput.h"

namespace
{

// Rows looked through for a header before the list is taken to have none.
constexpr qsizetype HeaderSearchRows = 16;

// A title row's texts, joined: a merged title stands in its first cell, the others empty.
QString titleText(const QStringList &cells)
{
    QStringList texts;
    for (const QString &cell : cells)
        if (!cell.isEmpty())
            texts.append(cell);
    return texts.join(QStringLiteral("  "));
}

} // namespace

ListReading::ListReading(ListRows &rows) : m_rows(rows)
{
    // A row that reads as a line of a list without header (a flange kind first) ends the search.
    while (m_ahead.size() < HeaderSearchRows) {
        std::optional<ListRow> row = m_rows.next();
        if (!row)
            break;
        if (row->fault.isEmpty() && !row->verdict) {
            if (std::optional<ListLayout> header = ListLayout::fromHeader(row->cells)) {
                m_layout = std::move(*header);
                for (const ListRow &title : std::as_const(m_ahead))
                    if (const QString text = titleText(title.cells); !text.isEmpty())
                        m_titles.append(text);
                m_ahead.clear();
                const qint64 headerNumber = row->number;
                if (m_rows.readBefore())
                    return;
                takeUnitsRow(row->cells);
                for (const TakeoffReason &note : m_layout.notes()) {
                    ListLine reported;
                    reported.number = headerNumber;
                    reported.skip = note;
                    m_reported.prepend(reported);
                }
                return;
            }
        }
        const bool line = row->verdict || readFlangeKind(row->cells.value(0)).has_value();
        m_ahead.append(std::move(*row));
        if (line)
            break;
    }
}

void ListReading::takeUnitsRow(const QStringList &header)
{
    std::optional<ListRow> row = m_rows.next();
    if (!row)
        return;
    if (!row->fault.isEmpty() || !isUnitsRow(row->cells)) {
        m_ahead.append(std::move(*row));
        return;
    }
    // The header read again with each unit in brackets after a name that names none.
    QStringList named = header;
    for (qsizetype i = 0; i < named.size(); ++i) {
        const QString unit = row->cells.value(i);
        if (!unit.isEmpty() && headerUnit(named[i]).isEmpty())
            named[i] += u'(' + unit + u')';
    }
    if (std::optional<ListLayout> withUnits = ListLayout::fromHeader(named))
        m_layout = std::move(*withUnits);
    ListLine units = m_layout.line(*row);
    m_reported.append(units);
}

std::optional<ListLine> ListReading::next()
{
    if (!m_reported.isEmpty())
        return m_reported.takeFirst();
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
    writer.writeTitles(reading.titles());
    writer.begin(reading.layout().carried());
    TakeoffCalculator calculator;
    TakeoffTotals totals;
    const CarriedRoles roles = carriedRoles(reading.layout().carried());
    // A write that failed (a full disk) ends the reading: no later line could reach the output.
    while (!writer.failed()) {
        const std::optional<ListLine> read = reading.next();
        if (!read)
            break;
        const TakeoffLine line = calculator.compute(*read, roles);
        writer.writeLine(line);
        totals.add(line);
        if (!line.ok())
            failed(line);
    }
    writer.writeTotals(totals);
    return totals;
}
