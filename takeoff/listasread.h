#pragma once

#include "takeoff/listlayout.h"
#include "takeoff/listrows.h"

#include <QIODevice>
#include <QList>
#include <QStringList>
#include <memory>

// A list whose lines were read before, as the take-off window holds them: each row starts with
// the line's number (its row in the list it came from) and what reading said of it, why it was
// passed over and why it was refused, each in Chinese and in English; the rest is the list.
// `takeoff --as-read` reads it so, and computes the lines as the window does: numbered as the
// window numbers them, passed over and refused as it shows them, nothing judged again. The
// window hands its lines in this form to the program that writes its workbook.

// The lines in that form, as CSV (RFC 4180, UTF-8 with a byte order mark, every field quoted):
// the title rows, a header naming the carried columns in their places around the flange's five,
// and a row for each line. Without carried columns or titles there is no header, so that the
// fields of a list that had none are read back as they stood.
void writeListAsRead(QIODevice &device, const QStringList &titles, const CarriedColumns &carried,
                     const QList<ListLine> &lines);

// The rows of such a list: a line's row numbered as it says and its verdict taken
// (ListRow::verdict), the five cells taken off every row. A row the list itself could not give
// whole stays as it is.
class ListAsReadRows : public ListRows
{
public:
    explicit ListAsReadRows(std::unique_ptr<ListRows> rows) : m_rows(std::move(rows)) {}
    std::optional<ListRow> next() override;
    TakeoffReason failure() const override { return m_rows->failure(); }
    bool readBefore() const override { return true; }

private:
    std::unique_ptr<ListRows> m_rows;
};
