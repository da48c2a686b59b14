#pragma once

#include "takeoff/listlayout.h"
#include "takeoff/listrows.h"
#include "takeoff/takeofftotals.h"
#include "takeoff/takeoffwriter.h"

#include <QIODevice>
#include <functional>
#include <memory>

// How a list's rows are laid out: its header row, found among the first rows (title rows above
// it are passed over), or none. The rows read while looking that are no titles come back first.
class ListReading
{
public:
    explicit ListReading(ListRows &rows);
    const ListLayout &layout() const { return m_layout; }
    // The next line of the list, laid out; nullopt at its end.
    std::optional<ListLine> next();

private:
    ListRows &m_rows;
    ListLayout m_layout;
    QList<ListRow> m_ahead; // read while looking for the header, not yet given out
};

// One pass over a list: each line read, computed and written before the next is read, so a list
// of any length runs in the memory of one line. Blank lines, separator rows, lines starting with
// '#', title rows and the header are skipped; every other line is written, a failed one with its
// reason, which also goes to `failed`. The rows' failure() tells whether the list was read to
// its end.
TakeoffTotals computeTakeoff(ListRows &rows, TakeoffWriter &writer,
                             const std::function<void(const TakeoffLine &line)> &failed);
