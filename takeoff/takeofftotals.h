#pragma once

#include "takeoff/takeoffline.h"

#include <QHash>
#include <QList>
#include <QString>
#include <functional>
#include <memory>
#include <variant>

// The most a total may reach: fifteen digits, what a spreadsheet's number cell and a JSON
// reader's double hold exactly; for the weight, in hundredths, 9,999,999,999,999.99 kg.
inline constexpr qint64 TakeoffTotalLimit = 999'999'999'999'999;

// What the joints of a take-off are bolted and sealed with: two flanges of a line make a joint,
// or each flange one of its own where the line says it mates a valve, a nozzle … (its joint
// column). Each bolting total is for the lines of one material: the item's own material column,
// else the flanges' (so that stainless flanges get their own bolting), "" without one.

// Bolts of one designation: a joint takes one bolt a hole, so the holes of the paired flanges of
// every line of the designation, halved and rounded up, and the holes of the flanges that make
// their own joints.
struct BoltTotal {
    QString material;
    FastenerKind kind = FastenerKind::HexBolt;
    QString designation; // "M16×80", "M30×2×165"
    QString thread;      // "M16", "M30×2"
    int nutsPerBolt = 1;
    qint64 count = 0;
    bool operator==(const BoltTotal &) const = default;
};
// Nuts of one thread: each bolt total times the nuts its fastener takes.
struct NutTotal {
    QString material;
    QString thread; // "M16", "M30×2"
    qint64 count = 0;
    bool operator==(const NutTotal &) const = default;
};
// Gaskets of one sealing face, pressure and DN: one a joint, so the paired flanges halved and
// rounded up, and one for each flange that makes its own joint. Its type is the one the bolt
// length is computed with (core/bolting: a non-metallic flat gasket up to PN 2.5, spiral-wound
// above). A Class series joint's gasket is B16.21's flat ring where the data has one, else
// named as not included; it stands after the PN series' gaskets, never with them.
struct GasketTotal {
    QString material;
    QString face;         // "RF"
    QString pressureText; // the catalogue's list text, "1.6"; "CL150" for the Class series
    int dn = 0;
    QString type;     // "非金属平垫片", as a purchase list names it
    QString standard; // "HG/T 20606", "ASME B16.21"
    QString ring;     // a Class series ring, "106 × 175" (inside × outside, mm); "" otherwise
    qint64 count = 0;
    bool operator==(const GasketTotal &) const = default;
};

// The flanges of one material (the list's material column, "" for lines without one) and their
// net weight.
struct MaterialFlanges {
    QString material;
    qint64 flanges = 0;
    qint64 weightHundredths = 0;
    double weightKg() const { return double(weightHundredths) / 100; }
    bool operator==(const MaterialFlanges &) const = default;
};

// "螺栓" (a hex bolt), "螺柱" (a full-thread stud bolt), short enough for a printed list's first
// column; in the interface's language when `translated`, else in Chinese (the take-off's files).
QString fastenerName(FastenerKind kind, bool translated = false);
// "RF 100-1.6": the face, DN and pressure a gasket is marked with; "RF 100-CL150 106 × 175" for
// a Class series ring.
QString gasketDesignation(const GasketTotal &gasket);
inline constexpr QStringView ClassGasketPrefix = u"CL";
inline constexpr const char *ClassGasketNotIncluded =
    QT_TRANSLATE_NOOP("TakeoffTotals", "垫片未包括");
bool isClassGasket(const GasketTotal &gasket);
// "螺母", or "重型六角螺母" for the heavy hex nuts of a Class series stud bolt (a unified
// thread); in the interface's language when `translated`.
QString nutName(const NutTotal &nut, bool translated = false);
// "非金属平垫片" in the interface's language when `translated`, else in Chinese; "non-metallic
// flat gasket" when `english`.
QString gasketTypeName(const GasketTotal &gasket, bool translated = false, bool english = false);

// How much memory the totals of a take-off may take: past it, their groups go to temporary files
// (takeoff/sortedruns.h), so that a list of a million materials takes no more memory than a list
// of one. Half of it holds the groups as the lines come, the rest what the totals are made from
// at the end.
inline constexpr qint64 TakeoffTotalsMemory = 16 << 20;

// One row of the totals: the flanges of a material, or bolts, nuts or gaskets.
using TotalsItem = std::variant<MaterialFlanges, BoltTotal, NutTotal, GasketTotal>;

// What a take-off adds up to: the flanges, their net weight (summed exactly, in hundredths of a
// kilogram), and the bolts, nuts and gaskets of their joints. Lines can be taken away again, so
// a table that edits its lines keeps its totals current. Failed lines count for nothing. Every
// sum is checked: a total past TakeoffTotalLimit is never given as a number, exceeded() says
// which. The totals by material are made once, when first asked for after a change, and read
// as often as asked.
class TakeoffTotals
{
public:
    // Groups beyond `memory` bytes (TakeoffTotalsMemory) go to temporary files; 0 keeps them
    // all in memory, for a table that holds its lines anyway.
    explicit TakeoffTotals(qint64 memory = TakeoffTotalsMemory);
    ~TakeoffTotals();
    TakeoffTotals(TakeoffTotals &&) noexcept;
    TakeoffTotals &operator=(TakeoffTotals &&) noexcept;

    void add(const TakeoffLine &line);
    void remove(const TakeoffLine &line);

    // "" while every total is within TakeoffTotalLimit, else which one passed it: "the total
    // weight passes 9999999999999.99 kg", or why the totals could not be made (a temporary file
    // that could not be written). The totals are then not to be written.
    QString exceeded() const;

    qint64 flanges() const { return m_flanges; }
    qint64 weightHundredths() const { return m_weightHundredths; }
    double weightKg() const { return double(m_weightHundredths) / 100; }
    qint64 failedLines() const { return m_failedLines; }
    // Every item once, in the order the totals are written: the flanges and their weight by
    // material, in the order of the materials; the bolts by material, hex bolts before stud
    // bolts, by thread and by length; the nuts by material and thread; the gaskets by material,
    // face, pressure and DN. Read from where they were kept, so a writer holds one at a time.
    void forEachItem(const std::function<void(const TotalsItem &)> &visit) const;
    // The bolts, nuts and gaskets of forEachItem() in lists.
    QList<BoltTotal> bolts() const;
    QList<NutTotal> nuts() const;
    QList<GasketTotal> gaskets() const;

private:
    void count(const TakeoffLine &line, int sign);
    struct Summary;
    Summary &summary() const; // made when first asked for after a change
    void spillGroups();

    qint64 m_memory;
    qint64 m_flanges = 0;
    qint64 m_weightHundredths = 0;
    bool m_overflowed = false; // a sum passed what 64 bits hold (it then stays unknown)
    qint64 m_failedLines = 0;
    // Flanges by row, material, face and the materials of their bolting: a list has few of these
    // and many lines, so they are counted here and the totals made from them when asked.
    struct Group {
        const FlangeRecord *row;
        QString material;
        QString face;
        QString boltMaterial, nutMaterial, gasketMaterial;
        bool operator==(const Group &) const = default;
    };
    friend size_t qHash(const Group &group, size_t seed) noexcept
    {
        return qHashMulti(seed, group.row, group.material, group.face, group.boltMaterial,
                          group.nutMaterial, group.gasketMaterial);
    }
    struct GroupFlanges {
        std::shared_ptr<const FlangeRecord> record; // keeps the key's row alive
        qint64 paired = 0;                          // flanges two of which make a joint
        qint64 single = 0;                          // flanges that make a joint each
    };
    QHash<Group, GroupFlanges> m_groups;
    qint64 m_groupBytes = 0; // what m_groups takes, about
    // The groups that passed m_memory, as sorted runs of what each total is made from.
    struct Runs;
    std::unique_ptr<Runs> m_runs;
    QString m_failure; // a temporary file that could not be written
    mutable std::unique_ptr<Summary> m_summary;
};
