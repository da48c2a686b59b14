#include "takeoff/listlayout.h"

#include "catalogue/flangemarking.h"

#include <QCoreApplication>
#include <QHash>
#include <algorithm>

namespace
{

enum class Column { Kind, Pressure, Series, Dn, Quantity, Designation };

// A column name as compared: compatibility forms folded (full-width letters and brackets), no
// spaces, lower case, without a unit or note in brackets at its end ("公称压力(MPa)", "数量（片）")
// or a closing ':' or '.' ("Qty.").
QString nameKey(const QString &name)
{
    QString key = name.normalized(QString::NormalizationForm_KC).toLower();
    key.removeIf([](QChar c) { return c.isSpace(); });
    for (bool changed = true; changed && !key.isEmpty();) {
        changed = false;
        const QChar last = key.back();
        if (last == u':' || last == u'.' || last == u'*') {
            key.chop(1);
            changed = true;
        } else if (last == u')' || last == u']') {
            const qsizetype open = key.lastIndexOf(last == u')' ? u'(' : u'[');
            if (open > 0) {
                key.truncate(open);
                changed = true;
            }
        }
    }
    return key;
}

// The names each column goes by in line lists.
const QHash<QString, Column> &columnNames()
{
    static const QHash<QString, Column> names = [] {
        const std::pair<Column, QStringList> spellings[] = {
            {Column::Kind,
             {"类型", "型式", "形式", "种类", "法兰类型", "法兰型式", "法兰形式", "type", "kind",
              "flangetype"}},
            {Column::Pressure,
             {"公称压力", "压力", "压力等级", "公称压力pn", "pn", "pressure", "nominalpressure",
              "pressurerating"}},
            {Column::Series, {"系列", "管子系列", "钢管系列", "管系列", "外径系列", "series"}},
            {Column::Dn,
             {"公称直径", "公称通径", "通径", "公称直径dn", "公称通径dn", "公称尺寸", "口径", "dn",
              "size", "nominaldiameter", "nominalsize"}},
            {Column::Quantity,
             {"数量", "件数", "个数", "片数", "数目", "qty", "quantity", "count", "pcs"}},
            {Column::Designation,
             {"标记", "规格", "规格型号", "型号规格", "型号", "法兰标记", "标准标记", "designation",
              "marking"}},
        };
        QHash<QString, Column> all;
        for (const auto &[column, keys] : spellings)
            for (const QString &key : keys)
                all.insert(key, column);
        return all;
    }();
    return names;
}

// The words a carried column's name is read by: "螺栓材质", "Bolt material", "垫片材料 (石墨)".
bool containsAny(const QString &key, std::initializer_list<const char16_t *> words)
{
    return std::any_of(words.begin(), words.end(),
                       [&](const char16_t *word) { return key.contains(QStringView(word)); });
}

// What a carried column's name says it holds, for the columns the bolting totals read.
enum class CarriedRole { Other, Material, BoltMaterial, NutMaterial, GasketMaterial, Joint };

CarriedRole carriedRole(const QString &name)
{
    static const QStringList flangeMaterial = {"材质",      "材料", "法兰材质",      "法兰材料",
                                               "材质牌号",  "牌号", "钢号",          "material",
                                               "materials", "mat",  "flangematerial"};
    // Not 连接形式 nor 对接: lists use them for how the flange is welded to its pipe.
    static const QStringList joint = {
        "连接",       "连接方式",    "连接对象", "连接件",     "配对",      "配对方式",
        "配对件",     "配对法兰",    "相配件",   "对接件",     "joint",     "jointtype",
        "connection", "connectedto", "mating",   "matingpart", "matedwith", "matewith"};
    const QString key = nameKey(name);
    if (flangeMaterial.contains(key))
        return CarriedRole::Material;
    if (joint.contains(key))
        return CarriedRole::Joint;
    // An item's own material: a name with a word of the item and a word of a material.
    if (!containsAny(key, {u"材质", u"材料", u"牌号", u"钢号", u"等级", u"material", u"grade"}) &&
        !key.endsWith(u"mat"))
        return CarriedRole::Other;
    if (containsAny(key, {u"垫片", u"密封垫", u"gasket"}))
        return CarriedRole::GasketMaterial;
    // "螺栓/螺母材料": the bolts' material, which their nuts share.
    if (containsAny(key, {u"螺栓", u"螺柱", u"紧固件", u"bolt", u"stud", u"fastener"}))
        return CarriedRole::BoltMaterial;
    if (containsAny(key, {u"螺母", u"nut"}))
        return CarriedRole::NutMaterial;
    return CarriedRole::Other;
}

// Names for the output: an unnamed column by its place, a repeated name numbered.
QString carriedName(const QString &name, qsizetype column, const QStringList &taken)
{
    QString shown =
        name.isEmpty() ? QCoreApplication::translate("Takeoff", "第 %1 列").arg(column + 1) : name;
    for (int n = 2; taken.contains(shown); ++n)
        shown = QStringLiteral("%1 (%2)").arg(name).arg(n);
    return shown;
}

} // namespace

CarriedRoles carriedRoles(const CarriedColumns &carried)
{
    CarriedRoles roles;
    const QStringList names = carried.leading + carried.trailing;
    for (qsizetype i = 0; i < names.size(); ++i) {
        qsizetype *role = nullptr;
        switch (carriedRole(names[i])) {
        case CarriedRole::Other:
            break;
        case CarriedRole::Material:
            role = &roles.material;
            break;
        case CarriedRole::BoltMaterial:
            role = &roles.boltMaterial;
            break;
        case CarriedRole::NutMaterial:
            role = &roles.nutMaterial;
            break;
        case CarriedRole::GasketMaterial:
            role = &roles.gasketMaterial;
            break;
        case CarriedRole::Joint:
            role = &roles.joint;
            break;
        }
        if (role && *role < 0) // the first of two columns of one name
            *role = i;
    }
    if (roles.joint >= 0)
        roles.jointName = names[roles.joint];
    return roles;
}

qsizetype CarriedRoles::materialOf(BoltingItem item) const
{
    switch (item) {
    case BoltingItem::Bolts:
        return boltMaterial >= 0 ? boltMaterial : material;
    case BoltingItem::Nuts:
        return nutMaterial >= 0 ? nutMaterial : materialOf(BoltingItem::Bolts);
    case BoltingItem::Gaskets:
        return gasketMaterial >= 0 ? gasketMaterial : material;
    }
    return -1;
}

std::optional<ListLayout> ListLayout::fromHeader(const QStringList &names)
{
    ListLayout layout;
    layout.m_hasHeader = true;
    layout.m_width = names.size();
    while (layout.m_width > 0 && names[layout.m_width - 1].isEmpty())
        --layout.m_width;
    QList<qsizetype> others;
    for (qsizetype i = 0; i < layout.m_width; ++i) {
        const auto found = columnNames().constFind(nameKey(names[i]));
        if (found == columnNames().cend()) {
            others.append(i);
        } else if (*found == Column::Designation) {
            if (layout.m_designation >= 0)
                others.append(i);
            else
                layout.m_designation = i;
        } else if (qsizetype &column = layout.m_columns[int(*found)]; column < 0) {
            column = i;
        } else {
            others.append(i); // a second column of the same name is the user's own
        }
    }
    const bool namesFlange =
        layout.m_columns[Kind] >= 0 && layout.m_columns[Pressure] >= 0 && layout.m_columns[Dn] >= 0;
    if (!namesFlange && layout.m_designation < 0)
        return std::nullopt;
    // The designation stays the user's text; the flange's columns stand where the first column
    // the program reads stood.
    if (layout.m_designation >= 0)
        others.insert(std::lower_bound(others.begin(), others.end(), layout.m_designation),
                      layout.m_designation);
    qsizetype first = layout.m_width;
    for (qsizetype column : layout.m_columns)
        if (column >= 0)
            first = std::min(first, column);
    if (first == layout.m_width)
        first = layout.m_designation + 1;
    QStringList taken;
    for (qsizetype column : others) {
        const QString name = carriedName(names[column], column, taken);
        taken.append(name);
        (column < first ? layout.m_carried.leading : layout.m_carried.trailing).append(name);
        layout.m_carriedColumns.append(column);
    }
    return layout;
}

ListLine ListLayout::line(const ListRow &row) const
{
    ListLine line;
    line.number = row.number;
    line.fault = row.fault;
    if (!m_hasHeader) {
        line.fields = row.cells;
        return line;
    }
    const auto cell = [&](qsizetype column, const QString &otherwise) {
        return column < 0 ? otherwise : row.cells.value(column);
    };
    qsizetype filled = row.cells.size();
    while (filled > 0 && row.cells[filled - 1].isEmpty())
        --filled;
    // A line of nothing but a standard marking and a quantity reads as one under any header.
    if (filled <= 2 && filled > 0 && m_designation < 0 && readFlangeMarking(row.cells[0])) {
        line.fields = row.cells.first(filled);
        return line;
    }
    line.fields = QStringList{cell(m_columns[Kind], {}), cell(m_columns[Pressure], {}),
                              cell(m_columns[Series], QStringLiteral("A")), cell(m_columns[Dn], {}),
                              cell(m_columns[Quantity], QStringLiteral("1"))};
    if (m_designation >= 0)
        fillFromDesignation(row.cells.value(m_designation), line);
    line.carried.reserve(m_carriedColumns.size());
    for (qsizetype column : m_carriedColumns)
        line.carried.append(row.cells.value(column));
    if (line.fault.isEmpty() && filled > m_width)
        line.fault = cellsBeyondHeader(filled - m_width);
    return line;
}

// What the columns do not name is read from the designation: a standard marking
// ("PL 100(B)-1.6 RF"), or only a DN ("DN100") when the DN is all that is missing.
void ListLayout::fillFromDesignation(const QString &designation, ListLine &line) const
{
    const bool onlyDn = m_columns[Kind] >= 0 && m_columns[Pressure] >= 0 && m_columns[Dn] < 0;
    if (m_columns[Kind] >= 0 && m_columns[Pressure] >= 0 && m_columns[Dn] >= 0)
        return;
    const ValueReading<FlangeMarking> marking = readFlangeMarking(designation);
    if (!marking) {
        if (onlyDn)
            line.fields[Dn] = designation;
        else if (line.fault.isEmpty())
            line.fault = {marking.text, marking.reason};
        return;
    }
    const QStringList parts = marking->fields(); // kind, pressure, series, DN
    for (int role : {Kind, Pressure, Series, Dn})
        if (m_columns[role] < 0)
            line.fields[role] = parts.value(role);
}
