#include "takeoff/listlayout.h"

#include "catalogue/classmarking.h"
#include "catalogue/flangeinput.h"
#include "catalogue/flangemarking.h"
#include "takeoff/designcheck.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>
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
              "pressurerating", "class", "rating", "磅级"}},
            {Column::Series, {"系列", "管子系列", "钢管系列", "管系列", "外径系列", "series"}},
            {Column::Dn,
             {"公称直径", "公称通径", "通径", "公称直径dn", "公称通径dn", "公称尺寸", "口径", "dn",
              "size", "nominaldiameter", "nominalsize", "尺寸", "nps"}},
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
enum class CarriedRole {
    Other,
    Material,
    BoltMaterial,
    NutMaterial,
    GasketMaterial,
    Joint,
    DesignPressure,
    DesignTemperature
};

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
    static const QStringList designPressure = {"设计压力", "designpressure", "designpress"};
    static const QStringList designTemperature = {"设计温度", "designtemperature", "designtemp"};
    const QString key = nameKey(name);
    if (flangeMaterial.contains(key))
        return CarriedRole::Material;
    if (designPressure.contains(key))
        return CarriedRole::DesignPressure;
    if (designTemperature.contains(key))
        return CarriedRole::DesignTemperature;
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

// The unit a header names: in brackets at its end ("公称压力(bar)", "数量（副）"), the last
// bracket that holds a unit; "" when it names none.
QString bracketUnit(const QString &name)
{
    QString rest = name.normalized(QString::NormalizationForm_KC);
    rest.removeIf([](QChar c) { return c.isSpace(); });
    while (rest.endsWith(u')') || rest.endsWith(u']')) {
        const qsizetype open = rest.lastIndexOf(rest.back() == u')' ? u'(' : u'[');
        if (open < 0)
            break;
        const QString inside = rest.mid(open + 1, rest.size() - open - 2);
        if (isUnitText(inside))
            return inside;
        rest.truncate(open);
    }
    return {};
}

// A header's column and unit: by its name, or by a name with a unit after it ("压力MPa",
// "数量/片", "DN/mm").
std::optional<Column> namedColumn(const QString &name, QString &unit)
{
    const QString key = nameKey(name);
    unit = bracketUnit(name);
    if (const auto found = columnNames().constFind(key); found != columnNames().cend())
        return *found;
    // A unit is a few characters: only the end of a name is looked at, however long it is.
    constexpr qsizetype LongestUnit = 16;
    for (qsizetype at = std::max<qsizetype>(1, key.size() - LongestUnit); at < key.size(); ++at) {
        QString base = key.left(at);
        while (base.endsWith(u'/') || base.endsWith(u'-') || base.endsWith(u'_'))
            base.chop(1);
        const auto found = columnNames().constFind(base);
        if (found != columnNames().cend() && isUnitText(QStringView(key).sliced(at))) {
            unit = key.sliced(at);
            return *found;
        }
    }
    return std::nullopt;
}

const char *roleName(int role)
{
    static const char *const names[] = {
        QT_TRANSLATE_NOOP("Takeoff", "类型"), QT_TRANSLATE_NOOP("Takeoff", "公称压力"),
        QT_TRANSLATE_NOOP("Takeoff", "系列"), QT_TRANSLATE_NOOP("Takeoff", "公称直径"),
        QT_TRANSLATE_NOOP("Takeoff", "数量")};
    return names[role];
}

const char *roleEnglish(int role)
{
    static const char *const names[] = {"kind", "pressure", "series", "DN", "quantity"};
    return names[role];
}

// A cell compared for the words of a row: no spaces, width folded, lower case.
QString compact(const QString &cell)
{
    QString text = cell.normalized(QString::NormalizationForm_KC).toLower();
    text.removeIf([](QChar c) { return c.isSpace(); });
    return text;
}

// The cell of a row that sums other rows up ("小计", "合 计：", "本页合计", "Total"), or "".
QString totalCell(const QStringList &cells)
{
    static const QStringList chinese = {"小计", "合计", "总计", "共计", "累计", "总数"};
    static const QStringList english = {"subtotal", "sub-total", "total", "sum", "grandtotal"};
    for (const QString &cell : cells) {
        const QString text = compact(cell);
        for (const QString &word : chinese)
            if (text.contains(word))
                return cell;
        for (const QString &word : english)
            if (text.startsWith(word))
                return cell;
    }
    return {};
}

// Whether a row is a note: its first text starts as notes do ("注：", "说明", "Note").
bool isNoteRow(const QStringList &cells)
{
    static const QStringList starts = {"注", "说明", "附注", "备注:", "备注：", "note", "remark"};
    for (const QString &cell : cells) {
        if (cell.isEmpty())
            continue;
        const QString text = compact(cell);
        for (const QString &start : starts)
            if (text.startsWith(start))
                return true;
        return false;
    }
    return false;
}

// Whether a text starts as a kind or a marking does ("PL", "wn-rf", "HG 20592", "带颈对焊"):
// a line's first test, cheap; only the few rows that do not are looked at closer.
bool startsAsFlange(const QString &text)
{
    static const QString chinese = QStringLiteral("板带对平");
    if (text.size() < 2)
        return false;
    if (chinese.contains(text.front()))
        return true;
    const QString start = text.first(2).toUpper();
    return start == u"PL" || start == u"SO" || start == u"WN" || start == u"HG";
}

// Names for the output: an unnamed column by its place, a repeated name numbered with the first
// number not taken. Each name remembers the number it reached, so that a header of thousands of
// equal names takes linear time: the numbers below it stay taken.
class CarriedNames
{
public:
    QString name(const QString &name, qsizetype column)
    {
        QString shown = name.isEmpty()
                            ? QCoreApplication::translate("Takeoff", "第 %1 列").arg(column + 1)
                            : name;
        int &n = m_reached[name];
        if (n == 0)
            n = 1;
        while (m_taken.contains(shown))
            shown = QStringLiteral("%1 (%2)").arg(name).arg(++n);
        m_taken.insert(shown);
        return shown;
    }

private:
    QSet<QString> m_taken;
    QHash<QString, int> m_reached;
};

} // namespace

QString headerUnit(const QString &name)
{
    QString unit;
    return namedColumn(name, unit) ? unit : bracketUnit(name);
}

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
        case CarriedRole::DesignPressure:
            role = &roles.designPressure;
            break;
        case CarriedRole::DesignTemperature:
            role = &roles.designTemperature;
            break;
        }
        if (role && *role < 0) // the first of two columns of one name
            *role = i;
    }
    if (roles.joint >= 0)
        roles.jointName = names[roles.joint];
    if (roles.designPressure >= 0)
        roles.designPressureUnit = designColumnUnit(names[roles.designPressure]);
    if (roles.designTemperature >= 0)
        roles.designTemperatureUnit = designColumnUnit(names[roles.designTemperature]);
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

bool ListLayout::takeUnit(int role, const QString &columnName, const QString &unitText)
{
    if (role != Pressure && role != Dn && role != Quantity)
        return true;
    const UnitColumn column = role == Pressure ? UnitColumn::Pressure
                              : role == Dn     ? UnitColumn::Size
                                               : UnitColumn::Quantity;
    if (const std::optional<ListUnit> unit = columnUnit(column, unitText)) {
        m_units[role] = *unit;
        return true;
    }
    m_notes.append(
        {QCoreApplication::translate("Takeoff", "“%1”列的单位 %2 不能用于%3，这一列未作%3读取")
             .arg(columnName, unitText, QCoreApplication::translate("Takeoff", roleName(role))),
         QStringLiteral("the unit %2 of column \"%1\" cannot be a %3's; the column is not read "
                        "as the %3")
             .arg(columnName, unitText, QLatin1String(roleEnglish(role)))});
    return false;
}

std::optional<ListLayout> ListLayout::fromHeader(const QStringList &names)
{
    ListLayout layout;
    layout.m_hasHeader = true;
    layout.m_width = names.size();
    while (layout.m_width > 0 && names[layout.m_width - 1].isEmpty())
        --layout.m_width;
    QList<qsizetype> others;
    std::array<bool, RoleCount> refused{};
    for (qsizetype i = 0; i < layout.m_width; ++i) {
        QString unit;
        const std::optional<Column> found = namedColumn(names[i], unit);
        if (!found) {
            others.append(i);
        } else if (*found != Column::Designation && layout.m_columns[int(*found)] < 0 &&
                   !layout.takeUnit(int(*found), names[i], unit)) {
            refused[int(*found)] = true;
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
    // A column refused for its unit still makes the row a header: the lines then say what is
    // missing, and the notes why.
    const auto named = [&](int role) { return layout.m_columns[role] >= 0 || refused[role]; };
    const bool namesFlange = named(Kind) && named(Pressure) && named(Dn);
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
    CarriedNames carriedNames;
    for (qsizetype column : others) {
        const QString name = carriedNames.name(names[column], column);
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
    if (row.verdict)
        line.skip = *row.verdict;
    else if (row.fault.isEmpty())
        line.skip = notALine(row);
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
    if (filled <= 2 && filled > 0 && m_designation < 0 &&
        (!readFlangeMarking(row.cells[0]).unreadable || classMarking(row.cells[0]))) {
        line.fields = row.cells.first(filled);
        return line;
    }
    line.fields = QStringList{cell(m_columns[Kind], {}), cell(m_columns[Pressure], {}),
                              cell(m_columns[Series], QStringLiteral("A")), cell(m_columns[Dn], {}),
                              cell(m_columns[Quantity], QStringLiteral("1"))};
    for (int role : {Pressure, Quantity})
        if (m_units[role] != ListUnit::None && m_columns[role] >= 0)
            line.fields[role] = withColumnUnit(line.fields[role], m_units[role]);
    if (m_designation >= 0)
        fillFromDesignation(row.cells.value(m_designation), line);
    line.carried.reserve(m_carriedColumns.size());
    for (qsizetype column : m_carriedColumns)
        line.carried.append(row.cells.value(column));
    if (line.fault.isEmpty() && filled > m_width)
        line.fault = cellsBeyondHeader(filled - m_width);
    return line;
}

const std::optional<QStringList> &ListLayout::classMarking(const QString &text) const
{
    if (m_classMarkings.size() >= 4096)
        m_classMarkings.clear();
    const auto found = m_classMarkings.constFind(text);
    return found != m_classMarkings.cend()
               ? *found
               : *m_classMarkings.insert(text, classMarkingFields(text));
}

// What the columns do not name is read from the designation: a standard marking
// ("PL 100(B)-1.6 RF"), or only a DN ("DN100") when the DN is all that is missing.
void ListLayout::fillFromDesignation(const QString &designation, ListLine &line) const
{
    const bool onlyDn = m_columns[Kind] >= 0 && m_columns[Pressure] >= 0 && m_columns[Dn] < 0;
    if (m_columns[Kind] >= 0 && m_columns[Pressure] >= 0 && m_columns[Dn] >= 0)
        return;
    const ValueReading<FlangeMarking> marking = readFlangeMarking(designation);
    // A Class flange's designation ("WN 4\" CL150 RF") gives its fields as a marking does.
    if (const std::optional<QStringList> classFields =
            marking.unreadable ? classMarking(designation) : std::nullopt) {
        for (int role : {Kind, Pressure, Series, Dn})
            if (m_columns[role] < 0)
                line.fields[role] = classFields->value(role);
        return;
    }
    if (!marking) {
        if (onlyDn && marking.unreadable)
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

TakeoffReason ListLayout::notALine(const ListRow &row) const
{
    const auto cell = [&](int role) {
        const qsizetype column = m_hasHeader ? m_columns[role] : role;
        return column < 0 ? QString() : row.cells.value(column);
    };
    const QString kind =
        m_columns[Kind] >= 0 || !m_hasHeader ? cell(Kind) : row.cells.value(m_designation);
    // The first cell too: a marking and a quantity make a line under any header.
    if (startsAsFlange(kind) || startsAsFlange(row.cells.value(0)) ||
        readFlangeKind(kind).has_value() ||
        (m_designation >= 0 && startsAsFlange(row.cells.value(m_designation))))
        return {};
    if (fromHeader(row.cells))
        return {QCoreApplication::translate("Takeoff", "又一行表头，已跳过"),
                QStringLiteral("a header row again, skipped")};
    if (isUnitsRow(row.cells))
        return {QCoreApplication::translate("Takeoff", "单位行，已跳过"),
                QStringLiteral("a row of units, skipped")};
    if (const QString total = totalCell(row.cells); !total.isEmpty())
        return {
            QCoreApplication::translate("Takeoff", "小计行（%1），不计入").arg(quotedInput(total)),
            QStringLiteral("a subtotal row (%1), not counted").arg(quotedInput(total))};
    if (isNoteRow(row.cells))
        return {QCoreApplication::translate("Takeoff", "注释行，已跳过"),
                QStringLiteral("a note row, skipped")};
    const bool marking =
        (m_designation >= 0 && readFlangeMarking(row.cells.value(m_designation))) ||
        readFlangeMarking(kind) || readFlangeMarking(row.cells.value(0));
    if (!marking && cell(Pressure).isEmpty() && cell(Dn).isEmpty() && cell(Quantity).isEmpty())
        return {QCoreApplication::translate(
                    "Takeoff", "这一行没有法兰（没有公称压力、公称直径和数量），已跳过"),
                QStringLiteral("no flange on the row (no pressure, DN or quantity), skipped")};
    return {};
}
