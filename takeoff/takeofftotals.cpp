#include "takeoff/takeofftotals.h"

void TakeoffTotals::add(const TakeoffLine &line)
{
    count(line, 1);
}

void TakeoffTotals::remove(const TakeoffLine &line)
{
    count(line, -1);
}

namespace
{

// `total` plus `sign` times `amount`, or false (the total left as it was) past 64 bits.
bool added(qint64 &total, int sign, qint64 amount)
{
    qint64 sum;
    if (__builtin_mul_overflow(amount, qint64(sign), &amount) ||
        __builtin_add_overflow(total, amount, &sum))
        return false;
    total = sum;
    return true;
}

} // namespace

void TakeoffTotals::count(const TakeoffLine &line, int sign)
{
    if (!line.ok()) {
        m_failedLines += sign;
        return;
    }
    const qint64 quantity = *line.quantity;
    RowHoles &row = m_holes[line.record.get()];
    if (!row.record) // a copy of the pointer costs two atomic counts a line
        row.record = line.record;
    qint64 holes;
    if (!added(m_flanges, sign, quantity) |
        !added(m_weightHundredths, sign, line.weightHundredths) |
        __builtin_mul_overflow(quantity, qint64(line.record->holeCount), &holes) |
        !added(row.holes, sign, holes))
        m_overflowed = true;
    if (row.holes == 0)
        m_holes.remove(line.record.get());
}

QMap<QString, qint64> TakeoffTotals::bolts() const
{
    QMap<QString, qint64> holes;
    for (const RowHoles &row : m_holes) {
        qint64 &count = holes[row.record->bolt];
        count = std::min(count, TakeoffTotalLimit * 2) + std::min(row.holes, TakeoffTotalLimit * 2);
    }
    for (qint64 &count : holes)
        count = (count + 1) / 2;
    return holes;
}

QString TakeoffTotals::exceeded() const
{
    const QString limit = QString::number(TakeoffTotalLimit);
    if (m_overflowed)
        return QStringLiteral("the totals pass what can be counted (more than %1)").arg(limit);
    if (m_flanges > TakeoffTotalLimit)
        return QStringLiteral("the flanges number more than %1").arg(limit);
    if (m_weightHundredths > TakeoffTotalLimit)
        return QStringLiteral("the total weight passes %1.%2 kg")
            .arg(limit.chopped(2), limit.right(2));
    const QMap<QString, qint64> counts = bolts();
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > TakeoffTotalLimit)
            return QStringLiteral("the %1 bolts number more than %2").arg(it.key(), limit);
    return {};
}
