#include "takeoff/listasread.h"

#include "takeoff/takeoffwriter.h"

#include <algorithm>

namespace
{

// The cells before the list's own: the number, the reasons for passing over and refusing.
enum Leading { Number, SkipText, SkipEnglish, FaultText, FaultEnglish, LeadingCount };

// Quoted whatever it holds: a number or a formula sign stays the text it is, and a field that
// starts with '#' does not make its row a comment.
QByteArray quotedRow(const QStringList &fields)
{
    QString row;
    for (const QString &field : fields) {
        if (!row.isEmpty())
            row += u',';
        row += u'"' + QString(field).replace(u'"', QStringLiteral("\"\"")) + u'"';
    }
    return (row + QStringLiteral("\r\n")).toUtf8();
}

QStringList leadingCells(const ListLine &line)
{
    return {QString::number(line.number), line.skip.text, line.skip.english, line.fault.text,
            line.fault.english};
}

} // namespace

void writeListAsRead(QIODevice &device, const QStringList &titles, const CarriedColumns &carried,
                     const QList<ListLine> &lines)
{
    device.write("\xEF\xBB\xBF");
    const bool header = carried.size() > 0 || !titles.isEmpty();
    if (header) {
        const QStringList noLeading(LeadingCount);
        for (const QString &title : titles)
            device.write(quotedRow(noLeading + QStringList{title}));
        QStringList names = {takeoffColumns().at(LineColumn).name, QStringLiteral("跳过"),
                             QStringLiteral("skipped"), QStringLiteral("错误"),
                             QStringLiteral("refused")};
        names += carried.leading;
        for (TakeoffColumnIndex column :
             {KindColumn, PressureColumn, SeriesColumn, DnColumn, QuantityColumn})
            names.append(takeoffColumns().at(column).name);
        device.write(quotedRow(names + carried.trailing));
    }
    for (const ListLine &line : lines) {
        QStringList row = leadingCells(line);
        const bool noCarried = std::all_of(line.carried.cbegin(), line.carried.cend(),
                                           [](const QString &text) { return text.isEmpty(); });
        // A marking and a quantity alone (fewer than the five fields) read as one line under
        // any header, as they were read.
        if (!header || (line.fields.size() < 5 && noCarried)) {
            device.write(quotedRow(row + line.fields));
            continue;
        }
        const qsizetype leading = carried.leading.size();
        for (qsizetype i = 0; i < leading; ++i)
            row.append(line.carried.value(i));
        for (qsizetype field = 0; field < 5; ++field)
            row.append(line.fields.value(field));
        for (qsizetype i = 0; i < carried.trailing.size(); ++i)
            row.append(line.carried.value(leading + i));
        device.write(quotedRow(row));
    }
}

std::optional<ListRow> ListAsReadRows::next()
{
    std::optional<ListRow> row = m_rows->next();
    if (!row || !row->fault.isEmpty())
        return row;
    const QStringList leading = row->cells.mid(0, LeadingCount);
    row->cells.remove(0, leading.size());
    bool whole = false;
    const qint64 number = leading.value(Number).toLongLong(&whole);
    if (!whole || number <= 0) // a title row, the header
        return row;
    row->number = number;
    row->verdict = TakeoffReason{leading.value(SkipText), leading.value(SkipEnglish)};
    row->fault = {leading.value(FaultText), leading.value(FaultEnglish)};
    return row;
}
