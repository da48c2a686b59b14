#pragma once

#include "takeoff/linereader.h"
#include "takeoff/takeoffreason.h"

#include <QIODevice>
#include <QStringList>
#include <optional>

// One row of a list as its file holds it: the cells, numbered as the file numbers its lines (a
// text file's line, a sheet's row), and why it could not be read whole, if it could not.
struct ListRow {
    qint64 number = 0;
    QStringList cells; // trimmed
    TakeoffReason fault;
    // Why the row is no line, as a list read before says ("" for a line): it is not judged again
    // (takeoff/listasread.h).
    std::optional<TakeoffReason> verdict;
};

// Where a list's rows come from: a text file's lines split into fields, or a sheet's rows.
// Lines that are blank or comments ('#') are no rows.
class ListRows
{
public:
    virtual ~ListRows() = default;
    // The next row, or nullopt at the end of the list or when reading stopped.
    virtual std::optional<ListRow> next() = 0;
    // Why reading stopped before the end of the list; empty when it reached the end.
    virtual TakeoffReason failure() const = 0;
    // A list read before (takeoff/listasread.h): its header's notes and its row of units were
    // taken then.
    virtual bool readBefore() const { return false; }
};

// The rows of a text list (CSV, tab-separated, a pasted block) read from a device. A quoted field
// may hold line breaks: its row goes on over the lines until the quote closes, numbered by the
// line where it starts, and bounded as a line is (MaxListLineBytes). A quote that does not close
// within the bound (or before the end) refuses the line where it opened; the lines after it are
// read again as rows of their own, each on its own line, so that nothing is swallowed and no
// line is read more than twice.
class TextListRows : public ListRows
{
public:
    // `what` names the list in a failure: its path, or "standard input".
    TextListRows(QIODevice &device, const QString &what);
    std::optional<ListRow> next() override;
    TakeoffReason failure() const override;

private:
    struct NumberedLine {
        qint64 number;
        ListText text;
        bool again = false; // read again after a quote that did not close: a row on its own
    };
    std::optional<NumberedLine> nextLine();
    // The cells of a row whose first line left a quote open, or nullopt when it stays open.
    std::optional<QStringList> restOfRecord(const NumberedLine &first, bool &notDecodable);

    LineReader m_reader;
    QIODevice &m_device;
    QString m_what;
    QList<NumberedLine> m_again; // lines to read again, the next first
};

// A row that holds nothing: every cell blank or only separator marks ("----", "====").
bool isBlankRow(const QStringList &cells);
