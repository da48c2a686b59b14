#include "takeoff/takeofftotals.h"

#include "catalogue/classseries.h"
#include "core/values/valuetext.h"
#include "takeoff/sortedruns.h"

#include <QCoreApplication>
#include <optional>
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
    const QString designation =
        QStringLiteral("%1 %2-%3").arg(gasket.face).arg(gasket.dn).arg(gasket.pressureText);
    return gasket.ring.isEmpty() ? designation : designation + u' ' + gasket.ring;
}

bool isClassGasket(const GasketTotal &gasket)
{
    return gasket.pressureText.startsWith(ClassGasketPrefix);
}

QString nutName(const NutTotal &nut, bool translated)
{
    // A unified thread is the Class series' stud bolt's, whose nuts are heavy hex nuts.
    const char *name = nut.thread.contains(QStringLiteral("UN"))
                           ? QT_TRANSLATE_NOOP("TakeoffTotals", "重型六角螺母")
                           : QT_TRANSLATE_NOOP("TakeoffTotals", "螺母");
    return translated ? QCoreApplication::translate("TakeoffTotals", name)
                      : QString::fromUtf8(name);
}

QString gasketTypeName(const GasketTotal &gasket, bool translated, bool english)
{
    // The names of the gasket table (core/bolting), for the translations and JSON.
    static const std::pair<const char *, const char *> names[] = {
        {QT_TRANSLATE_NOOP("TakeoffTotals", "非金属平垫片"), "non-metallic flat gasket"},
        {QT_TRANSLATE_NOOP("TakeoffTotals", "缠绕式垫片"), "spiral-wound gasket"},
        {ClassGasketNotIncluded, "gasket not included"}};
    for (const auto &[chinese, inEnglish] : names)
        if (gasket.type == QString::fromUtf8(chinese))
            return english      ? QString::fromLatin1(inEnglish)
                   : translated ? QCoreApplication::translate("TakeoffTotals", chinese)
                                : gasket.type;
    return gasket.type;
}

namespace
{

// What each total is made from, by the key it is ordered by:
// flanges and their weight by material;
using MaterialRuns = SortedRuns<std::tuple<QString>, 2>;
// Each bolting total is by series first (the PN series' 0, then the Class series' 1), so that
// the Class series' bolting follows the PN series' and never adds to it:
// paired and single flanges by series, bolt material, kind, diameter, length, designation and
// nut material, then what the bolts are counted with (thread, nuts a bolt, holes);
using BoltRuns =
    SortedRuns<std::tuple<int, QString, int, int, int, QString, QString, QString, int, int>, 2>;
// paired and single flanges by series, gasket material, face, pressure in hundredths of a MPa
// (a class), its text, DN and a Class ring's size;
using GasketRuns = SortedRuns<std::tuple<int, QString, QString, int, QString, int, QString>, 2>;
// nuts by series, material, diameter and thread.
using NutRuns = SortedRuns<std::tuple<int, QString, int, QString>, 1>;

int seriesOrder(const FlangeRecord &r)
{
    return r.rating.system == RatingSystem::Class ? 1 : 0;
}

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

// What a joint takes one of (a bolt for each hole, a gasket for each flange): the paired flanges'
// halved and rounded up, the single flanges' whole.
qint64 perJoint(qint64 paired, qint64 single)
{
    return std::min((std::min(paired, Held) + 1) / 2 + std::min(single, Held), Held);
}

// A thread's diameter, for the order of the lists: "M16" before "M100"; a unified thread (the
// Class series' "7/8-9UNC", "1-1/8-8UN") by its size in 1/16 inch.
int threadDiameter(const QString &thread)
{
    if (!thread.contains(QStringLiteral("UN")))
        return thread.mid(1).section(u'×', 0, 0).toInt();
    const QString size = thread.section(u'-', 0, -2); // "7/8", "1-1/8"
    const QString whole =
        size.contains(u'-') || !size.contains(u'/') ? size.section(u'-', 0, 0) : QString();
    const QString fraction = size.contains(u'/') ? size.section(u'-', -1) : QString();
    int sixteenths = whole.toInt() * 16;
    if (!fraction.isEmpty() && fraction.section(u'/', 1).toInt() > 0)
        sixteenths += 16 * fraction.section(u'/', 0, 0).toInt() / fraction.section(u'/', 1).toInt();
    return sixteenths;
}

// A Class row's B16.21 flat ring, "106 × 175", from its record's values; "" where the data has
// none.
QString classRing(const FlangeRecord &r)
{
    std::optional<double> inside, outside;
    for (const FlangeField &field : classFlangeFields(r.kind)) {
        const FieldValue value = field.value(r);
        if (const double *number = std::get_if<double>(&value)) {
            if (qstrcmp(field.key, "gasket_inside_diameter") == 0)
                inside = *number;
            else if (qstrcmp(field.key, "gasket_outside_diameter") == 0)
                outside = *number;
        }
    }
    return inside && outside
               ? QStringLiteral("%1 × %2").arg(QString::number(*inside), QString::number(*outside))
               : QString();
}

// About what a group takes in memory: its node and its texts.
qint64 groupBytes(const QString &material, const QString &face, const QString &bolts,
                  const QString &nuts, const QString &gaskets)
{
    qint64 bytes = 256;
    for (const QString *text : {&material, &face, &bolts, &nuts, &gaskets})
        bytes += 32 + 2 * text->size();
    return bytes;
}

// The records of each total, made from the groups.
template <typename Groups>
std::vector<MaterialRuns::Record> materialRecords(const Groups &groups, bool &overflowed)
{
    std::vector<MaterialRuns::Record> records;
    records.reserve(groups.size());
    for (auto it = groups.cbegin(); it != groups.cend(); ++it) {
        qint64 flanges = 0, weight = 0;
        // A line's weight is its row's unit weight times its quantity, so a group's is too.
        if (__builtin_add_overflow(it->paired, it->single, &flanges) ||
            __builtin_mul_overflow(unitWeightHundredths(*it->record), flanges, &weight))
            overflowed = true;
        records.push_back({{it.key().material}, {flanges, weight}});
    }
    return records;
}

template <typename Groups> std::vector<BoltRuns::Record> boltRecords(const Groups &groups)
{
    std::vector<BoltRuns::Record> records;
    records.reserve(groups.size());
    for (auto it = groups.cbegin(); it != groups.cend(); ++it) {
        const FlangeRecord &r = *it->record;
        const JointBolting &b = r.bolting;
        records.push_back(
            {{seriesOrder(r), it.key().boltMaterial, int(b.kind),
              threadDiameter(b.thread.isEmpty() ? r.bolt : b.thread), b.length, boltToOrder(r),
              it.key().nutMaterial, b.thread, b.nutsPerBolt, r.holeCount},
             {it->paired, it->single}});
    }
    return records;
}

template <typename Groups> std::vector<GasketRuns::Record> gasketRecords(const Groups &groups)
{
    std::vector<GasketRuns::Record> records;
    records.reserve(groups.size());
    for (auto it = groups.cbegin(); it != groups.cend(); ++it) {
        const FlangeRecord &r = *it->record;
        if (r.rating.system == RatingSystem::Class) {
            const int flangeClass = int(r.rating.value);
            records.push_back(
                {{1, it.key().gasketMaterial, it.key().face, flangeClass,
                  ClassGasketPrefix.toString() + QString::number(flangeClass), r.dn, classRing(r)},
                 {it->paired, it->single}});
            continue;
        }
        const int centiMpa = int(std::lround(r.rating.pressureMpa().value_or(0) * 100));
        records.push_back(
            {{0, it.key().gasketMaterial, it.key().face, centiMpa, r.pressureText, r.dn, QString()},
             {it->paired, it->single}});
    }
    return records;
}

// The bolt totals from the bolt records in their order: the holes of one bolt key added up, its
// bolts counted, and the keys that differ only in their nuts' material added up into one total.
// Each key's nuts go to `nut`.
class BoltCounter
{
public:
    BoltCounter(std::function<void(const BoltTotal &)> bolt,
                std::function<void(NutRuns::Record)> nut)
        : m_bolt(std::move(bolt)), m_nut(std::move(nut))
    {
    }
    void add(const BoltRuns::Key &key, const BoltRuns::Sums &flanges)
    {
        // The key but for what it is counted with, which comes last.
        const auto counted = [](const BoltRuns::Key &k) {
            return std::tie(std::get<0>(k), std::get<1>(k), std::get<2>(k), std::get<3>(k),
                            std::get<4>(k), std::get<5>(k), std::get<6>(k));
        };
        if (m_key && counted(*m_key) != counted(key))
            keyEnds();
        m_key = key;
        addHeld(m_pairedHoles, heldProduct(flanges[0], std::get<9>(key)));
        addHeld(m_singleHoles, heldProduct(flanges[1], std::get<9>(key)));
    }
    void finish()
    {
        keyEnds();
        if (m_total)
            m_bolt(*m_total);
        m_total.reset();
    }

private:
    void keyEnds()
    {
        if (!m_key)
            return;
        const BoltRuns::Key key = std::move(*m_key);
        m_key.reset();
        const auto &[series, material, kind, diameter, length, designation, nutMaterial, boltThread,
                     nutsPerBolt, holes] = key;
        const qint64 count = perJoint(m_pairedHoles, m_singleHoles);
        m_pairedHoles = m_singleHoles = 0;
        const QString thread = boltThread.isEmpty() ? designation : boltThread;
        m_nut({{series, nutMaterial, threadDiameter(thread), thread},
               {heldProduct(count, nutsPerBolt)}});
        if (m_total && m_total->material == material && m_total->designation == designation &&
            int(m_total->kind) == kind) {
            addHeld(m_total->count, count);
            return;
        }
        if (m_total)
            m_bolt(*m_total);
        m_total = BoltTotal{material, FastenerKind(kind), designation, thread, nutsPerBolt, count};
    }

    std::function<void(const BoltTotal &)> m_bolt;
    std::function<void(NutRuns::Record)> m_nut;
    std::optional<BoltRuns::Key> m_key;
    qint64 m_pairedHoles = 0, m_singleHoles = 0;
    std::optional<BoltTotal> m_total; // waits for the keys of other nut materials
};

// An item in a spill buffer: its kind, then its members.
enum ItemKind : quint8 { MaterialItem, BoltItem, NutItem, GasketItem };

void writeItem(QDataStream &out, const TotalsItem &item)
{
    if (const auto *m = std::get_if<MaterialFlanges>(&item))
        out << quint8(MaterialItem) << m->material << m->flanges << m->weightHundredths;
    else if (const auto *b = std::get_if<BoltTotal>(&item))
        out << quint8(BoltItem) << b->material << int(b->kind) << b->designation << b->thread
            << b->nutsPerBolt << b->count;
    else if (const auto *n = std::get_if<NutTotal>(&item))
        out << quint8(NutItem) << n->material << n->thread << n->count;
    else if (const auto *g = std::get_if<GasketTotal>(&item))
        out << quint8(GasketItem) << g->material << g->face << g->pressureText << g->dn << g->type
            << g->standard << g->ring << g->count;
}

TotalsItem readItem(QDataStream &in)
{
    quint8 kind = 0;
    in >> kind;
    switch (kind) {
    case BoltItem: {
        BoltTotal b;
        int fastener = 0;
        in >> b.material >> fastener >> b.designation >> b.thread >> b.nutsPerBolt >> b.count;
        b.kind = FastenerKind(fastener);
        return b;
    }
    case NutItem: {
        NutTotal n;
        in >> n.material >> n.thread >> n.count;
        return n;
    }
    case GasketItem: {
        GasketTotal g;
        in >> g.material >> g.face >> g.pressureText >> g.dn >> g.type >> g.standard >> g.ring >>
            g.count;
        return g;
    }
    default: {
        MaterialFlanges m;
        in >> m.material >> m.flanges >> m.weightHundredths;
        return m;
    }
    }
}

} // namespace

struct TakeoffTotals::Runs {
    MaterialRuns materials;
    BoltRuns bolts;
    GasketRuns gaskets;
    bool overflowed() const
    {
        return materials.overflowed() || bolts.overflowed() || gaskets.overflowed();
    }
};

// The items, made once after a change, and why they are not to be written ("" when they are).
struct TakeoffTotals::Summary {
    explicit Summary(qint64 memory) : items(memory) {}
    SpillBuffer items;
    qint64 count = 0;
    QString exceeded;
};

TakeoffTotals::TakeoffTotals(qint64 memory) : m_memory(memory), m_runs(std::make_unique<Runs>()) {}

TakeoffTotals::~TakeoffTotals() = default;
TakeoffTotals::TakeoffTotals(TakeoffTotals &&) noexcept = default;
TakeoffTotals &TakeoffTotals::operator=(TakeoffTotals &&) noexcept = default;

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
    m_summary.reset();
    if (!line.ok()) {
        if (!line.skipped)
            m_failedLines += sign;
        return;
    }
    const qint64 quantity = *line.quantity;
    const Group key{line.record.get(), line.material,    line.face,
                    line.boltMaterial, line.nutMaterial, line.gasketMaterial};
    auto found = m_groups.find(key);
    if (found == m_groups.end()) {
        // A copy of the pointer costs two atomic counts: once a group, not once a line.
        found = m_groups.insert(key, {line.record, 0, 0});
        m_groupBytes += groupBytes(key.material, key.face, key.boltMaterial, key.nutMaterial,
                                   key.gasketMaterial);
    }
    GroupFlanges &group = *found;
    if (!added(m_flanges, sign, quantity) |
        !added(m_weightHundredths, sign, line.weightHundredths) |
        !added(line.ownJoints ? group.single : group.paired, sign, quantity))
        m_overflowed = true;
    if (group.paired == 0 && group.single == 0) {
        m_groups.erase(found);
        m_groupBytes -= groupBytes(key.material, key.face, key.boltMaterial, key.nutMaterial,
                                   key.gasketMaterial);
    } else if (m_memory > 0 && m_groupBytes > m_memory / 2) {
        spillGroups();
    }
}

// The groups written out as the records of each total, sorted; the next lines start new groups.
void TakeoffTotals::spillGroups()
{
    if (m_failure.isEmpty()) {
        // One total's records at a time, each emptied as its run is written.
        std::vector<MaterialRuns::Record> materials = materialRecords(m_groups, m_overflowed);
        if (m_runs->materials.write(materials, m_failure)) {
            std::vector<BoltRuns::Record> bolts = boltRecords(m_groups);
            if (m_runs->bolts.write(bolts, m_failure)) {
                std::vector<GasketRuns::Record> gaskets = gasketRecords(m_groups);
                m_runs->gaskets.write(gaskets, m_failure);
            }
        }
    }
    // Past a failure the groups are counted no more: exceeded() says why.
    m_groups.clear();
    m_groupBytes = 0;
}

TakeoffTotals::Summary &TakeoffTotals::summary() const
{
    if (m_summary)
        return *m_summary;
    // The groups in memory, and beside them what each total is made from, an eighth each.
    const qint64 eighth = m_memory > 0 ? m_memory / 8 : std::numeric_limits<qint64>::max();
    m_summary = std::make_unique<Summary>(eighth);
    Summary &made = *m_summary;
    const QString limit = QString::number(TakeoffTotalLimit);
    QString failure = m_failure;
    bool overflowed = m_overflowed;
    if (failure.isEmpty() && !overflowed && m_flanges <= TakeoffTotalLimit &&
        m_weightHundredths <= TakeoffTotalLimit) {
        const auto keep = [&](const TotalsItem &item) {
            if (!failure.isEmpty())
                return;
            writeItem(made.items.out(), item);
            ++made.count;
            made.items.kept(failure);
        };
        // The first total of each kind past the limit.
        QString bolted, nutted, sealed;
        const auto passed = [&](QString &first, qint64 count, const QString &what) {
            if (count > TakeoffTotalLimit && first.isEmpty())
                first = QStringLiteral("the %1 number more than %2").arg(what, limit);
        };

        std::vector<MaterialRuns::Record> materials = materialRecords(m_groups, overflowed);
        m_runs->materials.merge(
            materials,
            [&](const std::tuple<QString> &key, const auto &sums) {
                keep(MaterialFlanges{std::get<0>(key), sums[0], sums[1]});
            },
            failure);
        materials = {};

        NutRuns nutRuns;
        std::vector<NutRuns::Record> nuts;
        qint64 nutBytes = 0;
        BoltCounter bolts(
            [&](const BoltTotal &bolt) {
                passed(bolted, bolt.count, QStringLiteral("%1 bolts").arg(bolt.designation));
                keep(bolt);
            },
            [&](NutRuns::Record nut) {
                nutBytes +=
                    128 + 2 * (std::get<1>(nut.first).size() + std::get<3>(nut.first).size());
                nuts.push_back(std::move(nut));
                if (nutBytes > eighth && failure.isEmpty()) {
                    nutRuns.write(nuts, failure);
                    nutBytes = 0;
                }
            });
        std::vector<BoltRuns::Record> boltBatch = boltRecords(m_groups);
        m_runs->bolts.merge(
            boltBatch,
            [&](const BoltRuns::Key &key, const BoltRuns::Sums &sums) { bolts.add(key, sums); },
            failure);
        boltBatch = {};
        bolts.finish();
        nutRuns.merge(
            nuts,
            [&](const NutRuns::Key &key, const NutRuns::Sums &count) {
                passed(nutted, count[0], QStringLiteral("%1 nuts").arg(std::get<3>(key)));
                keep(NutTotal{std::get<1>(key), std::get<3>(key), std::min(count[0], Held)});
            },
            failure);
        nuts = {};

        std::vector<GasketRuns::Record> gaskets = gasketRecords(m_groups);
        m_runs->gaskets.merge(
            gaskets,
            [&](const GasketRuns::Key &key, const auto &flanges) {
                const auto &[series, material, face, centiMpa, pressureText, dn, ring] = key;
                GasketTotal total{material, face, pressureText, dn,
                                  {},       {},   ring,         perJoint(flanges[0], flanges[1])};
                if (series == 1) {
                    // B16.21's non-metallic flat ring where the data has one.
                    total.type =
                        QString::fromUtf8(ring.isEmpty() ? ClassGasketNotIncluded : "非金属平垫片");
                    total.standard = ring.isEmpty() ? QString() : QStringLiteral("ASME B16.21");
                } else {
                    // The gasket the bolt length is computed with, so that the two agree.
                    const GasketRow &gasket = gasketFor(centiMpa);
                    total.type = QString::fromUtf8(gasket.name);
                    total.standard = QString::fromLatin1(gasket.standard);
                }
                passed(sealed, total.count,
                       QStringLiteral("%1 gaskets").arg(gasketDesignation(total)));
                keep(total);
            },
            failure);
        overflowed = overflowed || m_runs->overflowed() || nutRuns.overflowed();
        if (failure.isEmpty())
            failure = !bolted.isEmpty() ? bolted : !nutted.isEmpty() ? nutted : sealed;
    }
    // A temporary file that failed first: the totals are not whole; then the totals in order.
    if (!m_failure.isEmpty())
        made.exceeded = m_failure;
    else if (overflowed)
        made.exceeded =
            QStringLiteral("the totals pass what can be counted (more than %1)").arg(limit);
    else if (m_flanges > TakeoffTotalLimit)
        made.exceeded = QStringLiteral("the flanges number more than %1").arg(limit);
    else if (m_weightHundredths > TakeoffTotalLimit)
        made.exceeded = QStringLiteral("the total weight passes %1.%2 kg")
                            .arg(limit.chopped(2), limit.right(2));
    else
        made.exceeded = failure;
    return made;
}

QString TakeoffTotals::exceeded() const
{
    return summary().exceeded;
}

void TakeoffTotals::forEachItem(const std::function<void(const TotalsItem &)> &visit) const
{
    Summary &made = summary();
    if (!made.exceeded.isEmpty() || !made.items.rewind(made.exceeded))
        return;
    for (qint64 i = 0; i < made.count; ++i) {
        const TotalsItem item = readItem(made.items.in());
        if (made.items.in().status() != QDataStream::Ok) {
            // Told by exceeded(), which a writer asks again when done.
            made.exceeded = QStringLiteral("cannot read back a temporary file in %1")
                                .arg(QFile::decodeName(spillFolder()));
            return;
        }
        visit(item);
    }
}

QList<BoltTotal> TakeoffTotals::bolts() const
{
    QList<BoltTotal> all;
    forEachItem([&](const TotalsItem &item) {
        if (const auto *bolt = std::get_if<BoltTotal>(&item))
            all.append(*bolt);
    });
    return all;
}

QList<NutTotal> TakeoffTotals::nuts() const
{
    QList<NutTotal> all;
    forEachItem([&](const TotalsItem &item) {
        if (const auto *nut = std::get_if<NutTotal>(&item))
            all.append(*nut);
    });
    return all;
}

QList<GasketTotal> TakeoffTotals::gaskets() const
{
    QList<GasketTotal> all;
    forEachItem([&](const TotalsItem &item) {
        if (const auto *gasket = std::get_if<GasketTotal>(&item))
            all.append(*gasket);
    });
    return all;
}
