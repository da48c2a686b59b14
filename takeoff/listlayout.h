#pragma once

#include "takeoff/listrows.h"
#include "takeoff/listunits.h"
#include "takeoff/takeoffreason.h"

#include <QHash>
#include <QStringList>
#include <array>
#include <optional>

// The columns of a list the engineer keeps for himself (item number, line number, material,
// remarks …): carried through to every output under their own names, those that stand before
// the flange's columns in the list before them, the others after them.
struct CarriedColumns {
    QStringList leading;
    QStringList trailing;

    qsizetype size() const { return leading.size() + trailing.size(); }
    bool operator==(const CarriedColumns &) const = default;
};

enum class BoltingItem { Bolts, Nuts, Gaskets };

// Where the columns the totals read stand among a line's carried texts, -1 where the list has
// none; each found by its name, as the flange columns are. The flanges' material ("材质", "材料",
// "Material" …); the bolts', nuts' and gaskets' own ("螺栓材质", "螺栓/螺母材料", "紧固件材质",
// "垫片材料", "Bolt material" …: a word of the item and a word of a material); how a line's
// flanges are joined ("连接", "配对", "Joint" …).
struct CarriedRoles {
    qsizetype material = -1;
    qsizetype boltMaterial = -1;
    qsizetype nutMaterial = -1;
    qsizetype gasketMaterial = -1;
    qsizetype joint = -1;
    QString jointName; // the joint column's name, for its reasons
    // The design conditions a Class series line is checked against ("设计压力(MPa)", "设计温度
    // (°C)", "Design pressure [bar]"), with the units their names give (designColumnUnit).
    qsizetype designPressure = -1;
    qsizetype designTemperature = -1;
    QString designPressureUnit, designTemperatureUnit;

    // The column whose text groups an item's totals: its own material column, else the
    // flanges' (nuts without one follow their bolts); -1 for none.
    qsizetype materialOf(BoltingItem item) const;
    // The item's material is the flanges' it serves, not its own.
    bool borrowsMaterial(BoltingItem item) const
    {
        return materialOf(item) >= 0 && materialOf(item) == material;
    }
};
CarriedRoles carriedRoles(const CarriedColumns &carried);

// The unit a column's name gives it ("公称压力(bar)" → "bar", "DN/mm" → "mm"), or "".
QString headerUnit(const QString &name);

// A line of a list as read, before it is computed.
struct ListLine {
    qint64 number = 0;
    // What it asks for, as written: kind, pressure, series, DN and quantity; the cells as they
    // stand when the list has no header.
    QStringList fields;
    QStringList carried; // the carried columns' texts, leading then trailing
    TakeoffReason fault; // why it could not be read, before anything is computed
    // Why the row is no flange line (a subtotal, a note, a row of units, a header again, or a
    // remark on the header): such a row is reported with its reason and counts for nothing.
    TakeoffReason skip;
};

// Which column of a list holds what. A list with a header row is read by the names of its
// columns, in any order, in Chinese or English and in their usual short forms ("类型", "压力",
// "DN", "Qty", …; units in brackets are ignored), or by one designation column ("标记", "规格")
// holding a standard marking for what the other columns do not name; a list without a header
// holds the five values in their order. Without a series column (or a marking) a line is series
// A, without a quantity column one flange. A unit the header names for a column ("公称压力(bar)",
// "数量(副)", "DN/mm") or a row of units under it applies to the column's bare numbers; a column
// whose unit it cannot hold ("数量(kg)") is no column of the flange but a carried one, and the
// layout says why (notes()).
class ListLayout
{
public:
    // A list without a header: kind, pressure, series, DN and quantity in that order.
    ListLayout() = default;
    // The layout a row of column names gives, or nullopt when the row names no flange (neither a
    // kind, a pressure and a DN, nor a designation).
    static std::optional<ListLayout> fromHeader(const QStringList &names);

    bool hasHeader() const { return m_hasHeader; }
    const CarriedColumns &carried() const { return m_carried; }
    ListLine line(const ListRow &row) const;
    // The header's columns that were not read for what their names say, with the reason.
    const QList<TakeoffReason> &notes() const { return m_notes; }

private:
    enum Role { Kind, Pressure, Series, Dn, Quantity, RoleCount };
    void fillFromDesignation(const QString &designation, ListLine &line) const;
    // Why a row is no flange line, or empty when it may be one.
    TakeoffReason notALine(const ListRow &row) const;
    // Whether the unit a header names can apply to a role's column; refused with the reason.
    bool takeUnit(int role, const QString &columnName, const QString &unitText);
    bool m_hasHeader = false;
    std::array<qsizetype, RoleCount> m_columns{-1, -1, -1, -1, -1};
    std::array<ListUnit, RoleCount> m_units{};
    QList<TakeoffReason> m_notes;
    qsizetype m_designation = -1;
    qsizetype m_width = 0;             // the header's columns
    QList<qsizetype> m_carriedColumns; // leading then trailing
    CarriedColumns m_carried;
    // Recent texts read as Class flanges in one text (classMarkingFields takes long), bounded.
    const std::optional<QStringList> &classMarking(const QString &text) const;
    mutable QHash<QString, std::optional<QStringList>> m_classMarkings;
};
