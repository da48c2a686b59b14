#include "takeoff/designcheck.h"

#include "core/ratings/pressurerating.h"
#include "core/values/quotedinput.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace
{

// A bare number given the column's unit; a cell with its own unit keeps it.
QString withUnit(const QString &cell, const QString &unit)
{
    bool number = false;
    cell.trimmed().toDouble(&number);
    return number && !unit.isEmpty() ? cell.trimmed() + unit : cell;
}

template <typename T> TakeoffReason reasonOf(const RatingAnswer<T> &answer)
{
    return {answer.text, answer.reason};
}

} // namespace

QString designColumnUnit(const QString &columnName)
{
    static const QRegularExpression bracket(
        QStringLiteral("[(（\\[]([^()（）\\[\\]]+)[)）\\]]\\s*$"));
    const QRegularExpressionMatch match = bracket.match(columnName);
    return match.hasMatch() ? match.captured(1).trimmed() : QString();
}

TakeoffReason designConditionsFault(const Rating &flangeClass, const QString &pressure,
                                    const QString &pressureUnit, const QString &temperature,
                                    const QString &temperatureUnit, const QString &material)
{
    if (pressure.trimmed().isEmpty() && temperature.trimmed().isEmpty())
        return {};
    if (pressure.trimmed().isEmpty() || temperature.trimmed().isEmpty() ||
        material.trimmed().isEmpty())
        return {QCoreApplication::translate(
                    "Takeoff", "Class 等级的校核需要设计压力、设计温度和材质三者，这一行缺少其一"),
                QStringLiteral("checking a class takes the design pressure, the design "
                               "temperature and the material; the line lacks one")};
    const RatingAnswer<RatedMaterialChoice> group = ratedMaterial(material);
    if (!group)
        return reasonOf(group);
    const RatingAnswer<double> bar = readDesignPressureBar(withUnit(pressure, pressureUnit));
    if (!bar)
        return reasonOf(bar);
    const RatingAnswer<double> celsius = readTemperatureC(withUnit(temperature, temperatureUnit));
    if (!celsius)
        return reasonOf(celsius);
    const int classNumber = int(flangeClass.value);
    const RatingAnswer<ClassCheck> check = checkClass(*group->group, classNumber, *bar, *celsius);
    if (!check)
        return reasonOf(check);
    if (check->holds())
        return {};
    const QString groupName = QLatin1String(group->group->group);
    return {QCoreApplication::translate(
                "Takeoff", "Class %1 在 %2 °C 下（材料组 %3）额定 %4 bar，低于设计压力 "
                           "%5 bar")
                .arg(QString::number(classNumber), temperatureText(*celsius), groupName,
                     barText(check->rating.bar), barText(*bar)),
            QStringLiteral("Class %1 is rated %4 bar at %2 °C (group %3), below the design "
                           "pressure of %5 bar")
                .arg(QString::number(classNumber), temperatureText(*celsius), groupName,
                     barText(check->rating.bar), barText(*bar))};
}
