#include "takeoff/listunits.h"

#include "core/values/numberreading.h"
#include "takeoff/listrows.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>

namespace
{

// What a unit measures; a column takes only the units of what it holds.
enum class Measure { Pressure, Size, Length, Count, Mass };

struct UnitMeaning {
    Measure measure;
    ListUnit unit; // None: a unit of the measure the take-off does not convert
};

const QHash<QString, UnitMeaning> &units()
{
    static const QHash<QString, UnitMeaning> all = [] {
        const std::tuple<Measure, ListUnit, QStringList> spellings[] = {
            {Measure::Pressure, ListUnit::Mpa, {"mpa", "兆帕"}},
            {Measure::Pressure, ListUnit::Bar, {"bar", "巴"}},
            {Measure::Pressure,
             ListUnit::KgfPerCm2,
             {"kgf/cm2", "kgf/cm^2", "kg/cm2", "kg/cm^2", "kgf", "公斤", "公斤力/平方厘米",
              "公斤/平方厘米", "公斤力/厘米2", "公斤/厘米2"}},
            {Measure::Pressure,
             ListUnit::None,
             {"psi", "kpa", "pa", "lb", "lbs", "class", "磅", "磅级", "atm", "kgf/mm2"}},
            {Measure::Size, ListUnit::None, {"mm", "毫米", "dn"}},
            {Measure::Length,
             ListUnit::None,
             {"in", "inch", "inches", "英寸", "吋", "nps", "m", "米", "cm", "厘米"}},
            {Measure::Count,
             ListUnit::Pieces,
             {"片", "个", "件", "只", "块", "套", "pc", "pcs", "piece", "pieces", "ea", "set",
              "sets", "no", "nos"}},
            {Measure::Count, ListUnit::Pairs, {"副", "对", "双", "pair", "pairs", "pr", "prs"}},
            {Measure::Mass, ListUnit::None, {"kg", "千克", "g", "克", "t", "吨"}},
        };
        QHash<QString, UnitMeaning> made;
        for (const auto &[measure, unit, keys] : spellings)
            for (const QString &key : keys)
                made.insert(key, {measure, unit});
        return made;
    }();
    return all;
}

bool isBracket(QChar c)
{
    return c == u'(' || c == u')' || c == u'[' || c == u']' || c == u'【' || c == u'】' ||
           c == u'{' || c == u'}';
}

// A bare number, also after "PN" ("PN16") when `afterPn`; the number's text, or empty.
QString bareNumber(const QString &cell, bool afterPn)
{
    static const QRegularExpression number(
        QStringLiteral("^(PN)? *([-+]?(?:[0-9]+\\.?[0-9]*|\\.[0-9]+))$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = number.match(plainTypedText(cell));
    return afterPn || match.capturedLength(1) == 0 ? match.captured(2) : QString();
}

} // namespace

QString unitKey(QStringView text)
{
    QString key = text.toString().normalized(QString::NormalizationForm_KC).toLower();
    key.removeIf([](QChar c) { return c.isSpace() || isBracket(c); });
    key.replace(QStringLiteral("²"), QStringLiteral("2"));
    return units().contains(key) ? key : QString();
}

bool isUnitText(QStringView text)
{
    return !unitKey(text).isEmpty();
}

bool isUnitsRow(const QStringList &cells)
{
    bool any = false;
    for (const QString &cell : cells) {
        // A column without a unit may be left blank or marked "—" or "/".
        if (cell == u"/" || isBlankRow({cell}))
            continue;
        if (!isUnitText(cell))
            return false;
        any = true;
    }
    return any;
}

std::optional<ListUnit> columnUnit(UnitColumn column, QStringView unitText)
{
    const auto found = units().constFind(unitKey(unitText));
    if (found == units().cend())
        return ListUnit::None;
    const auto [measure, unit] = *found;
    // "公斤" is said of a pressure (kgf/cm²) as of a mass: under a quantity it is no count.
    if (column == UnitColumn::Pressure)
        return measure == Measure::Pressure && unit != ListUnit::None ? std::optional(unit)
                                                                      : std::nullopt;
    if (column == UnitColumn::Size)
        return measure == Measure::Size ? std::optional(ListUnit::None) : std::nullopt;
    return measure == Measure::Count ? std::optional(unit) : std::nullopt;
}

QString withColumnUnit(const QString &cell, ListUnit unit)
{
    const char *suffix = nullptr;
    switch (unit) {
    case ListUnit::Mpa:
        suffix = "MPa";
        break;
    case ListUnit::Bar:
        suffix = "bar";
        break;
    case ListUnit::KgfPerCm2:
        suffix = "kgf/cm2";
        break;
    case ListUnit::Pairs:
        suffix = "副";
        break;
    case ListUnit::None:
    case ListUnit::Pieces:
        return cell;
    }
    // A PN is written in bar, or in kgf/cm² by the older series: under those it takes the unit;
    // under MPa it keeps its own two readings, which the kind decides.
    const QString number = bareNumber(cell, unit != ListUnit::Mpa);
    return number.isEmpty() ? cell : number + QString::fromUtf8(suffix);
}

std::optional<QString> kgfPressureInMpa(QStringView text)
{
    static const QRegularExpression form(
        QStringLiteral("^([-+]?(?:[0-9]+\\.?[0-9]*|\\.[0-9]+)) *(\\S+)$"));
    const QRegularExpressionMatch match = form.match(plainTypedText(text));
    if (!match.hasMatch())
        return std::nullopt;
    const auto found = units().constFind(unitKey(match.captured(2)));
    if (found == units().cend() || found->unit != ListUnit::KgfPerCm2)
        return std::nullopt;
    // A tenth as a decimal text, so that "16" gives exactly the "1.6" a table lists.
    const double tenths = readNumber(match.captured(1));
    return QString::number(tenths / 10, 'g', 15) + QStringLiteral("MPa");
}

ValueReading<qint64> readPieces(QStringView text, qint64 most)
{
    // Nearly every quantity ends in a digit: no pair word to look for.
    if (text.isEmpty() || text.back().isDigit())
        return readQuantity(text, most);
    static const QRegularExpression pairs(QStringLiteral("^(.*?) *(副|对|双|pairs?|prs?)\\.?$"),
                                          QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pairs.match(plainTypedText(text));
    if (!match.hasMatch() || match.capturedLength(1) == 0)
        return readQuantity(text, most);
    ValueReading<qint64> read = readQuantity(match.captured(1), most / 2);
    if (read)
        read.emplace(*read * 2);
    return read;
}
