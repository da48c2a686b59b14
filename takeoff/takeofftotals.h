#pragma once

#include "takeoff/takeoffline.h"

#include <QHash>
#include <QList>
#include <QString>

// The most a total may reach: fifteen digits, what a spreadsheet's number cell and a JSON
// reader's double hold exactly; for the weight, in hundredths, 9,999,999,999,999.99 kg.
inline constexpr qint64 TakeoffTotalLimit = 999'999'999'999'999;

// What the joints of a take-off are bolted and sealed with: two flanges of a line make a joint.
// Each total is for the lines of one material (the list's material column, "" for lines without
// one), so that stainless flanges get their own bolting.

// Bolts of one designation: a joint takes one bolt a hole, so the holes of every line of the
// designation, halved and rounded up.
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
// Gaskets of one sealing face, pressure and DN: one a joint, so the flanges halved and rounded up.
struct GasketTotal {
    QString material;
    QString face;         // "RF"
    QString pressureText; // the catalogue's list text, "1.6"
    int dn = 0;
    qint64 count = 0;
    bool operator==(const GasketTotal &) const = default;
};

// The bolting totals of one material.
struct MaterialBolting {
    QString material;
    QList<BoltTotal> bolts;
    QList<NutTotal> nuts;
    QList<GasketTotal> gaskets;
};

// "螺栓" (a hex bolt), "螺柱" (a full-thread stud bolt), short enough for a printed list's first
// column; in the interface's language when `translated`, else in Chinese (the take-off's files).
QString fastenerName(FastenerKind kind, bool translated = false);
// "RF 100-1.6": the face, DN and pressure a gasket is marked with.
QString gasketDesignation(const GasketTotal &gasket);

// What a take-off adds up to: the flanges, their net weight (summed exactly, in hundredths of a
// kilogram), and the bolts, nuts and gaskets of their joints. Lines can be taken away again, so
// a table that edits its lines keeps its totals current. Failed lines count for nothing. Every
// sum is checked: a total past TakeoffTotalLimit is never given as a number, exceeded() says
// which.
class TakeoffTotals
{
public:
    void add(const TakeoffLine &line);
    void remove(const TakeoffLine &line);

    // "" while every total is within TakeoffTotalLimit, else which one passed it: "the total
    // weight passes 9999999999999.99 kg". The totals are then not to be written.
    QString exceeded() const;

    qint64 flanges() const { return m_flanges; }
    qint64 weightHundredths() const { return m_weightHundredths; }
    double weightKg() const { return double(m_weightHundredths) / 100; }
    qint64 failedLines() const { return m_failedLines; }
    // Ordered by material, then hex bolts before stud bolts, by thread and by length.
    QList<BoltTotal> bolts() const;
    // Ordered by material and thread.
    QList<NutTotal> nuts() const;
    // Ordered by material, face, pressure and DN.
    QList<GasketTotal> gaskets() const;
    // The three by material, materials in order ("" first).
    QList<MaterialBolting> boltingByMaterial() const;

private:
    void count(const TakeoffLine &line, int sign);

    qint64 m_flanges = 0;
    qint64 m_weightHundredths = 0;
    bool m_overflowed = false; // a sum passed what 64 bits hold (it then stays unknown)
    qint64 m_failedLines = 0;
    // Flanges by row, material and face, added up when asked: a list has few of these and many
    // lines.
    struct Group {
        const FlangeRecord *row;
        QString material;
        QString face;
        bool operator==(const Group &) const = default;
    };
    friend size_t qHash(const Group &group, size_t seed) noexcept
    {
        return qHashMulti(seed, group.row, group.material, group.face);
    }
    struct GroupFlanges {
        std::shared_ptr<const FlangeRecord> record; // keeps the key's row alive
        qint64 flanges = 0;
    };
    QHash<Group, GroupFlanges> m_groups;
};
