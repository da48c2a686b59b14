#include "takeoff/takeofftotals.h"

#include <QCoreApplication>
#include <map>
#include <tuple>

QString fastenerName(FastenerKind kind, bool translated)
{
    static const char *const names[] = {QT_TRANSLATE_NOOP("TakeoffTotals", "螺栓"),
                                        QT_TRANSLATE_NOOP("TakeoffTotals", "螺柱")};
    const char *name = names[kind == FastenerKind::StudBolt];
    return translated ? QCoreApplication::translate("TakeoffTotals", name)
                      : QString::fromUtf8(name);
}

QString gasketDesignation(const GasketTotal &gasket)
{
    return QStringLiteral("%1 %2-%3").arg(gasket.face).arg(gasket.dn).arg(gasket.pressureText);
}

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

// The bolting totals are made from the flanges by products and sums that are held at a bound
// past the limit: such a total is refused by exceeded(), so its exact size does not matter.
constexpr qint64 Held = TakeoffTotalLimit * 4;

qint64 heldProduct(qint64 a, qint64 b)
{
    qint64 product;
    return __builtin_mul_overflow(a, b, &product) || product > Held ? Held : product;
}

void addHeld(qint64 &total, qint64 amount) // both at most Held
{
    total = std::min(total + amount, Held);
}

qint64 halvedUp(qint64 count)
{
    return (count + 1) / 2;
}

// A thread's diameter, for the order of the lists: "M16" before "M100".
int threadDiameter(const QString &thread)
{
    return thread.mid(1).section(u'×', 0, 0).toInt();
}

} // namespace

void TakeoffTotals::count(const TakeoffLine &line, int sign)
{
    if (!line.ok()) {
        if (!line.skipped)
            m_failedLines += sign;
        return;
    }
    const qint64 quantity = *line.quantity;
    GroupFlanges &group = m_groups[{line.record.get(), line.material, line.face}];
    if (!group.record) // a copy of the pointer costs two atomic counts a line
        group.record = line.record;
    if (!added(m_flanges, sign, quantity) |
        !added(m_weightHundredths, sign, line.weightHundredths) |
        !added(group.flanges, sign, quantity))
        m_overflowed = true;
    if (group.flanges == 0)
        m_groups.remove({line.record.get(), line.material, line.face});
}

QList<BoltTotal> TakeoffTotals::bolts() const
{
    // material, kind, diameter, length, designation; the holes and the row's bolting
    using Key = std::tuple<QString, int, int, int, QString>;
    std::map<Key, std::pair<qint64, const JointBolting *>> holes;
    for (auto it = m_groups.cbegin(); it != m_groups.cend(); ++it) {
        const FlangeRecord &r = *it->record;
        const JointBolting &b = r.bolting;
        const QString thread = b.thread.isEmpty() ? r.bolt : b.thread;
        auto &[count, bolting] = holes[{it.key().material, int(b.kind), threadDiameter(thread),
                                        b.length, boltToOrder(r)}];
        addHeld(count, heldProduct(it->flanges, r.holeCount));
        bolting = &b;
    }
    QList<BoltTotal> totals;
    for (const auto &[key, counted] : holes) {
        const JointBolting &b = *counted.second;
        totals.append({std::get<0>(key), b.kind, std::get<4>(key),
                       b.thread.isEmpty() ? std::get<4>(key) : b.thread, b.nutsPerBolt,
                       halvedUp(counted.first)});
    }
    return totals;
}

QList<NutTotal> TakeoffTotals::nuts() const
{
    using Key = std::tuple<QString, int, QString>; // material, diameter, thread
    std::map<Key, qint64> nuts;
    for (const BoltTotal &bolt : bolts())
        addHeld(nuts[{bolt.material, threadDiameter(bolt.thread), bolt.thread}],
                heldProduct(bolt.count, bolt.nutsPerBolt));
    QList<NutTotal> totals;
    for (const auto &[key, count] : nuts)
        totals.append({std::get<0>(key), std::get<2>(key), count});
    return totals;
}

QList<GasketTotal> TakeoffTotals::gaskets() const
{
    // material, face, pressure in hundredths of a MPa, its text, DN
    using Key = std::tuple<QString, QString, int, QString, int>;
    std::map<Key, qint64> flanges;
    for (auto it = m_groups.cbegin(); it != m_groups.cend(); ++it) {
        const FlangeRecord &r = *it->record;
        const int centiMpa = int(std::lround(r.pressureText.toDouble() * 100));
        addHeld(flanges[{it.key().material, it.key().face, centiMpa, r.pressureText, r.dn}],
                std::min(it->flanges, Held));
    }
    QList<GasketTotal> totals;
    for (const auto &[key, count] : flanges)
        totals.append({std::get<0>(key), std::get<1>(key), std::get<3>(key), std::get<4>(key),
                       halvedUp(count)});
    return totals;
}

QList<MaterialBolting> TakeoffTotals::boltingByMaterial() const
{
    std::map<QString, MaterialBolting> byMaterial;
    for (const BoltTotal &bolt : bolts())
        byMaterial[bolt.material].bolts.append(bolt);
    for (const NutTotal &nut : nuts())
        byMaterial[nut.material].nuts.append(nut);
    for (const GasketTotal &gasket : gaskets())
        byMaterial[gasket.material].gaskets.append(gasket);
    QList<MaterialBolting> all;
    for (auto &[material, bolting] : byMaterial) {
        bolting.material = material;
        all.append(bolting);
    }
    return all;
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
    const auto passed = [&](const QString &what) {
        return QStringLiteral("the %1 number more than %2").arg(what, limit);
    };
    for (const BoltTotal &bolt : bolts())
        if (bolt.count > TakeoffTotalLimit)
            return passed(QStringLiteral("%1 bolts").arg(bolt.designation));
    for (const NutTotal &nut : nuts())
        if (nut.count > TakeoffTotalLimit)
            return passed(QStringLiteral("%1 nuts").arg(nut.thread));
    for (const GasketTotal &gasket : gaskets())
        if (gasket.count > TakeoffTotalLimit)
            return passed(QStringLiteral("%1 gaskets").arg(gasketDesignation(gasket)));
    return {};
}
