#pragma once

#include "catalogue/catalogue.h"
#include "takeoff/linejoint.h"
#include "takeoff/listlayout.h"
#include "takeoff/takeoffreason.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVarLengthArray>
#include <cmath>
#include <memory>
#include <optional>
#include <unordered_map>

// One line of a take-off: a flange kind, pressure, series, DN and quantity, and what the
// catalogue gives for it. A line that cannot be read or has no row keeps its place with the
// reason; the values it could read are kept, the others stay empty.
struct TakeoffLine {
    qint64 number = 0;   // 1-based line in the list
    QStringList fields;  // as written, trimmed
    QStringList carried; // the list's own columns (CarriedColumns), as written
    std::optional<FlangeKind> kind;
    std::optional<double> pressureMpa;
    // A line of the Class series (ASME B16.5) has its class here and no pressure or series.
    std::optional<Rating> flangeClass;
    std::optional<PipeSeries> series;
    std::optional<int> dn;
    std::optional<qint64> quantity;
    QString face;     // the sealing face the kind or marking names, else the catalogue's (RF)
    QString material; // the text of the list's material column, "" without one
    // What the line's bolts, nuts and gaskets are grouped under: each one's own material column,
    // else the flanges' (CarriedRoles::materialOf), "" without one.
    QString boltMaterial, nutMaterial, gasketMaterial;
    // Each flange makes a joint of its own (it mates a valve, a nozzle …), else two make one.
    bool ownJoints = false;
    // The catalogue row (shared by every line of that flange), or null for a failed line.
    std::shared_ptr<const FlangeRecord> record;
    qint64 unitWeightHundredths = 0; // the row's weight in 0.01 kg
    qint64 weightHundredths = 0;     // unit weight × quantity
    // "第 7 行：PL 在 1.0 MPa 下没有 DN 11", "line 7: DN 11 is not listed for PL at 1.0 MPa";
    // empty when good.
    TakeoffReason reason;
    // The field (0 kind … 4 quantity) whose value the reason is about, -1 for the line as a whole.
    int faultField = -1;
    // A row that is no flange line (a subtotal, a note …): its reason says so; it is neither a
    // flange nor a failed line.
    bool skipped = false;

    bool ok() const { return reason.isEmpty(); }
    double unitWeightKg() const { return double(unitWeightHundredths) / 100; }
    double weightKg() const { return double(weightHundredths) / 100; }
};

// A row's unit weight in 0.01 kg, as lines and totals count it.
inline qint64 unitWeightHundredths(const FlangeRecord &row)
{
    return std::llround(*row.weightKg * 100);
}

// The most flanges one line may ask for, so that no sum can overflow.
inline constexpr qint64 MaxTakeoffQuantity = 1'000'000;

// Computes lines. It remembers the catalogue rows it has looked up (there are under a thousand)
// and the readings of recent flange texts, so a long list costs little more than reading it.
class TakeoffCalculator
{
public:
    TakeoffLine compute(qint64 number, const QStringList &fields);
    // A line as read from a list: its carried texts kept, a fault found in reading first, then a
    // joint its joint column does not name; its materials and joints from the columns of `roles`.
    TakeoffLine compute(const ListLine &line, const CarriedRoles &roles = {});

private:
    struct Flange {
        std::optional<FlangeKind> kind;
        std::optional<double> pressureMpa;
        std::optional<Rating> flangeClass;
        std::optional<PipeSeries> series;
        std::optional<int> dn;
        QString face;
        std::shared_ptr<const FlangeRecord> record;
        TakeoffReason reason; // without the line's number
        int faultField = -1;  // as TakeoffLine's
        QString texts;        // the four texts it was read from, one after the other
        QVarLengthArray<qsizetype, 4> textSizes;
    };
    const Flange &flange(const QStringList &fields);
    Flange readFlange(const QStringList &fields);
    void readClassFlange(Flange &f, const ValueReading<Rating> &rating, const QStringList &fields);
    std::shared_ptr<const FlangeRecord> record(FlangeKind kind, const Rating &rating, int dn,
                                               PipeSeries series);

    // Bounded: cleared past a limit. A QHash (power-of-two buckets, open addressing) finds a
    // key for less than std::unordered_map, which divides by a prime and follows a node.
    QHash<quint64, Flange> m_flanges;
    std::unordered_map<quint64, std::shared_ptr<const FlangeRecord>> m_records;
    // The readings of recent joint texts, which a list repeats (bounded as m_flanges).
    QHash<QString, std::optional<LineJoint>> m_joints;
    // The same for Class flanges written in one text, whose reading takes long.
    QHash<QString, std::optional<QStringList>> m_classMarkings;
    const std::optional<QStringList> &classMarking(const QString &text);
};
