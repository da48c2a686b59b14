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
    qint64 &holes = m_boltHoles[line.record->bolt];
    holes += sign * quantity * line.record->holeCount;
    if (holes == 0)
        m_boltHoles.remove(line.record->bolt);
}

QMap<QString, qint64> TakeoffTotals::bolts() const
{
    QMap<QString, qint64> bolts;
    for (auto it = m_boltHoles.cbegin(); it != m_boltHoles.cend(); ++it)
        bolts.insert(it.key(), (it.value() + 1) / 2);
    return bolts;
}
