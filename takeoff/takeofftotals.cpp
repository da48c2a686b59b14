#include "takeoff/takeofftotals.h"

void TakeoffTotals::add(const TakeoffLine &line)
{
    count(line, 1);
}

void TakeoffTotals::remove(const TakeoffLine &line)
{
    count(line, -1);
}

void TakeoffTotals::count(const TakeoffLine &line, int sign)
{
    if (!line.ok()) {
        m_failedLines += sign;
        return;
    }
    const qint64 quantity = *line.quantity;
    m_flanges += sign * quantity;
    m_weightHundredths += sign * line.weightHundredths;
    RowHoles &row = m_holes[line.record.get()];
    if (!row.record) // a copy of the pointer costs two atomic counts a line
        row.record = line.record;
    row.holes += sign * quantity * line.record->holeCount;
    if (row.holes == 0)
        m_holes.remove(line.record.get());
}

QMap<QString, qint64> TakeoffTotals::bolts() const
{
    QMap<QString, qint64> holes;
    for (const RowHoles &row : m_holes)
        holes[row.record->bolt] += row.holes;
    for (qint64 &count : holes)
        count = (count + 1) / 2;
    return holes;
}
