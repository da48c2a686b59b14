#pragma once

#include "takeoff/listlayout.h"
#include "takeoff/listrows.h"
#include "takeoff/takeofftotals.h"
#include "takeoff/takeoffwriter.h"

#include <QIODevice>
#include <functional>
#include <memory>

// How a list's rows are laid out: its header row, found among the first rows, or none. The title
// rows above a header are kept as the list's titles; a row of units right under it gives the
// columns their units. The rows read while looking that are no titles come back first, after
// the header's notes (ListLayout::notes(), as skipped rows of the header's number) and the row of
// units (a skipped row).
class ListReading
{
public:
    explicit ListReading(ListRows &rows);
    const ListLayout &layout() const { return m_layout; }
    // The title rows above the header, each its texts joined: "某某装置 管道法兰材料表".
    const QStringList &titles() const { return m_titles; }
    // The next line of the list, laid out; nullopt at its end.
    std::optional<ListLine> next();

private:
    void takeUnitsRow(const QStringList &header);

    ListRows &m_rows;
    ListLayout m_layout;
    QStringList m_titles;
    QList<ListLine> m_reported; // the header's notes and its row of units
    QList<ListRow> m_ahead;     // read while looking for the header, not yet given out
};

// One pass over a list: each line read, computed and written before the next is read, so a list
// of any length runs in the memory of one line. Blank lines, separator rows, lines starting with
// '#' and the header are passed over, title rows go to the writer's titles; every other line is
// written, a failed or skipped one with its reason, which also goes to `failed`. The rows'
// failure() tells whether the list was read to its end; a writer that failed ends the reading.
TakeoffTotals computeTakeoff(ListRows &rows, TakeoffWriter &writer,
                             const std::function<void(const TakeoffLine &line)> &failed);
