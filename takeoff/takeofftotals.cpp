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

QString gasketTypeName(const GasketTotal &gasket, bool translated, bool english)
{
    // The names of the gasket table (core/bolting), for the translations and JSON.
    static const std::pair<const char *, const char *> names[] = {
        {QT_TRANSLATE_NOOP("TakeoffTotals", "非金属平垫片"), "non-metallic flat gasket"},
        {QT_TRANSLATE_NOOP("TakeoffTotals", "缠绕式垫片"), "spiral-wound gasket"}};
    for (const auto &[chinese, inEnglish] : names)
        if (gasket.type == QString::fromUtf8(chinese))
            return english      ? QString::fromLatin1(inEnglish)
                   : translated ? QCoreApplication::translate("TakeoffTotals", chinese)
                                : gasket.type;
    return gasket.type;
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
    const Group key{line.record.get(), line.material,    line.face,
                    line.boltMaterial, line.nutMaterial, line.gasketMaterial};
    GroupFlanges &group = m_groups[key];
    if (!group.record) // a copy of the pointer costs two atomic counts a line
        group.record = line.record;
    if (!added(m_flanges, sign, quantity) |
        !added(m_weightHundredths, sign, line.weightHundredths) |
        !added(line.ownJoints ? group.single : group.paired, sign, quantity))
        m_overflowed = true;
    if (group.paired == 0 && group.single == 0)
        m_groups.remove(key);
}

QList<MaterialFlanges> TakeoffTotals::flangesByMaterial() const
{
    // A line's weight is its row's unit weight times its quantity, so a group's is too; the
    // sums are within the checked total weight.
    std::map<QString, MaterialFlanges> byMaterial;
    for (auto it = m_groups.cbegin(); it != m_groups.cend(); ++it) {
        MaterialFlanges &sum = byMaterial[it.key().material];
        const qint64 flanges = std::min(it->paired, Held) + std::min(it->single, Held);
        addHeld(sum.flanges, std::min(flanges, Held));
        addHeld(sum.weightHundredths, heldProduct(unitWeightHundredths(*it->record), flanges));
    }
    QList<MaterialFlanges> all;
    for (auto &[material, sum] : byMaterial) {
        sum.material = material;
        all.append(sum);
    }
    return all;
}

std::map<TakeoffTotals::BoltKey, TakeoffTotals::BoltCount> TakeoffTotals::boltCounts() const
{
    std::map<BoltKey, BoltCount> counts;
    for (auto it = m_groups.cbegin(); it != m_groups.cend(); ++it) {
        const FlangeRecord &r = *it->record;
        const JointBolting &b = r.bolting;
        const QString thread = b.thread.isEmpty() ? r.bolt : b.thread;
        BoltCount &count = counts[{it.key().boltMaterial, int(b.kind), threadDiameter(thread),
                                   b.length, boltToOrder(r), it.key().nutMaterial}];
        addHeld(count.pairedHoles, heldProduct(it->paired, r.holeCount));
        addHeld(count.singleHoles, heldProduct(it->single, r.holeCount));
        count.bolting = &b;
    }
    return counts;
}

namespace
{

// What a joint takes one of (a bolt for each hole, a gasket for each flange): the paired flanges'
// halved and rounded up, the single flanges' whole.
qint64 perJoint(qint64 pairedHoles, qint64 singleHoles)
{
    return std::min(halvedUp(pairedHoles) + singleHoles, Held);
}

} // namespace

QList<BoltTotal> TakeoffTotals::bolts() const
{
    QList<BoltTotal> totals;
    for (const auto &[key, counted] : boltCounts()) {
        const JointBolting &b = *counted.bolting;
        const auto &[material, kind, diameter, length, designation, nutMaterial] = key;
        const qint64 count = perJoint(counted.pairedHoles, counted.singleHoles);
        // The keys of one bolt differ only in their nuts' material, which comes last.
        if (!totals.isEmpty() && totals.last().material == material &&
            totals.last().designation == designation && totals.last().kind == b.kind) {
            addHeld(totals.last().count, count);
            continue;
        }
        totals.append({material, b.kind, designation, b.thread.isEmpty() ? designation : b.thread,
                       b.nutsPerBolt, count});
    }
    return totals;
}

QList<NutTotal> TakeoffTotals::nuts() const
{
    using Key = std::tuple<QString, int, QString>; // material, diameter, thread
    std::map<Key, qint64> nuts;
    for (const auto &[key, counted] : boltCounts()) {
        const JointBolting &b = *counted.bolting;
        const QString &designation = std::get<4>(key);
        const QString thread = b.thread.isEmpty() ? designation : b.thread;
        addHeld(nuts[{std::get<5>(key), threadDiameter(thread), thread}],
                heldProduct(perJoint(counted.pairedHoles, counted.singleHoles), b.nutsPerBolt));
    }
    QList<NutTotal> totals;
    for (const auto &[key, count] : nuts)
        totals.append({std::get<0>(key), std::get<2>(key), count});
    return totals;
}

QList<GasketTotal> TakeoffTotals::gaskets() const
{
    // material, face, pressure in hundredths of a MPa, its text, DN
    using Key = std::tuple<QString, QString, int, QString, int>;
    std::map<Key, std::pair<qint64, qint64>> flanges; // paired, single
    for (auto it = m_groups.cbegin(); it != m_groups.cend(); ++it) {
        const FlangeRecord &r = *it->record;
        const int centiMpa = int(std::lround(r.rating.pressureMpa().value_or(0) * 100));
        auto &[paired, single] =
            flanges[{it.key().gasketMaterial, it.key().face, centiMpa, r.pressureText, r.dn}];
        addHeld(paired, std::min(it->paired, Held));
        addHeld(single, std::min(it->single, Held));
    }
    QList<GasketTotal> totals;
    for (const auto &[key, counted] : flanges) {
        // The gasket the bolt length is computed with, so that the two agree.
        const GasketRow &gasket = gasketFor(std::get<2>(key));
        totals.append({std::get<0>(key), std::get<1>(key), std::get<3>(key), std::get<4>(key),
                       QString::fromUtf8(gasket.name), QString::fromLatin1(gasket.standard),
                       perJoint(counted.first, counted.second)});
    }
    return totals;
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
