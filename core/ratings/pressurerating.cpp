#include "core/ratings/pressurerating.h"

#include "core/model/flangeclass.h"
#include "core/values/numberreading.h"
#include "core/values/quotedinput.h"
#include "core/values/valuetext.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace
{

// Pressures are compared to a millionth of a bar, so that 4.19 MPa holds a rating of 41.9 bar.
double settled(double bar)
{
    return std::round(bar * 1e6) / 1e6;
}

QString rounded(double value, double scale)
{
    return plainNumberText(std::round(value * scale) / scale + 0.0);
}

// A material's name in one form to compare by: capitals, without "ASTM"/"ASME", with A for SA,
// without "Gr."/"Grade" and without blanks, hyphens and points ("SA-516 Gr. 70" → "A51670").
QString materialKey(QStringView text)
{
    static const QRegularExpression body(
        QStringLiteral("^(?:ASTM|ASME)?\\s*S?(A\\s*-?\\s*\\d.*)$"));
    static const QRegularExpression grade(QStringLiteral("(?:(?<=[\\d\\s\\-])|^)GR(?:ADE)?\\.?"));
    static const QRegularExpression separators(QStringLiteral("[\\s.\\-]"));
    QString key = plainTypedText(text).toUpper();
    const QRegularExpressionMatch match = body.match(key);
    if (match.hasMatch())
        key = match.captured(1);
    return key.replace(grade, QString()).remove(separators);
}

const GroupRatings *groupNamed(QStringView name)
{
    for (const GroupRatings &group : builtInPressureRatings())
        if (name == QLatin1String(group.group))
            return &group;
    return nullptr;
}

QString groupList()
{
    QStringList groups;
    for (const GroupRatings &group : builtInPressureRatings())
        groups.append(QLatin1String(group.group));
    return groups.join(QStringLiteral(", "));
}

QString materialList()
{
    QStringList names;
    for (const RatedMaterial &material : builtInRatedMaterials())
        if (groupNamed(QString::fromLatin1(material.group)))
            names.append(QLatin1String(material.name));
    return names.join(QStringLiteral(", "));
}

const ClassRatings *classOf(const GroupRatings &group, int flangeClass)
{
    for (const ClassRatings &ratings : group.classes)
        if (ratings.flangeClass == flangeClass)
            return &ratings;
    return nullptr;
}

} // namespace

RatingAnswer<RatedMaterialChoice> ratedMaterial(QStringView text)
{
    static const QRegularExpression groupNumber(
        QStringLiteral("^(?:GROUP|GR\\.?|材料组|组)?\\s*([0-9]+\\.[0-9]+)\\s*(?:组)?$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch group = groupNumber.match(plainTypedText(text));
    if (group.hasMatch()) {
        const QString number = group.captured(1);
        if (const GroupRatings *ratings = groupNamed(number))
            return RatingAnswer<RatedMaterialChoice>::of({ratings, {}});
        return RatingAnswer<RatedMaterialChoice>::refused(
            QStringLiteral("material group %1 has no ratings here (groups rated: %2)")
                .arg(number, groupList()),
            QCoreApplication::translate("PressureRating",
                                        "材料组 %1 没有收录额定值（收录的材料组：%2）")
                .arg(number, groupList()));
    }
    const QString key = materialKey(text);
    for (const RatedMaterial &material : builtInRatedMaterials()) {
        const QString name = QString::fromLatin1(material.name);
        if (key.isEmpty() || key != materialKey(name))
            continue;
        const QString groupName = QString::fromLatin1(material.group);
        if (const GroupRatings *ratings = groupNamed(groupName))
            return RatingAnswer<RatedMaterialChoice>::of({ratings, name});
        return RatingAnswer<RatedMaterialChoice>::refused(
            QStringLiteral("material %1 is in material group %2, which has no ratings here "
                           "(groups rated: %3)")
                .arg(name, groupName, groupList()),
            QCoreApplication::translate(
                "PressureRating", "材料 %1 属于材料组 %2，该组没有收录额定值（收录的材料组：%3）")
                .arg(name, groupName, groupList()));
    }
    return RatingAnswer<RatedMaterialChoice>::refused(
        QStringLiteral("material %1 has no material group here (materials: %2; or a group: %3)")
            .arg(quotedInput(text), materialList(), groupList()),
        QCoreApplication::translate(
            "PressureRating", "材料 %1 没有收录所属的材料组（收录的材料：%2；或写材料组：%3）")
            .arg(quotedInput(text), materialList(), groupList()));
}

RatingAnswer<WorkingPressure> maximumWorkingPressure(const GroupRatings &group, int flangeClass,
                                                     double temperatureC)
{
    const QString groupName = QLatin1String(group.group);
    const ClassRatings *ratings = classOf(group, flangeClass);
    if (!ratings) {
        QStringList classes;
        for (const ClassRatings &rated : group.classes)
            classes.append(QString::number(rated.flangeClass));
        return RatingAnswer<WorkingPressure>::refused(
            QStringLiteral("group %1 has no Class %2 ratings (classes rated: %3)")
                .arg(groupName, QString::number(flangeClass), classes.join(QStringLiteral(", "))),
            QCoreApplication::translate("PressureRating",
                                        "材料组 %1 没有 Class %2 的额定值（有：%3）")
                .arg(groupName, QString::number(flangeClass), classes.join(QStringLiteral("、"))));
    }
    const auto points = ratings->points;
    const RatingPoint &first = points.front(), &last = points.back();
    if (!(temperatureC >= first.temperatureC && temperatureC <= last.temperatureC)) {
        const bool below = temperatureC < first.temperatureC;
        const QString from = temperatureText(first.temperatureC);
        const QString to = temperatureText(last.temperatureC);
        const QString limit = temperatureText(below ? first.temperatureC : last.temperatureC);
        return RatingAnswer<WorkingPressure>::refused(
            QStringLiteral("group %1 Class %2 has no rating %3 %4 °C (rated from %5 to %6 °C)")
                .arg(groupName, QString::number(flangeClass),
                     below ? QStringLiteral("below") : QStringLiteral("above"), limit, from, to),
            (below ? QCoreApplication::translate(
                         "PressureRating",
                         "材料组 %1 Class %2 低于 %3 °C 没有额定值（额定温度 %4 ~ %5 °C）")
                   : QCoreApplication::translate(
                         "PressureRating",
                         "材料组 %1 Class %2 高于 %3 °C 没有额定值（额定温度 %4 ~ %5 °C）"))
                .arg(groupName, QString::number(flangeClass), limit, from, to));
    }
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        const RatingPoint &low = points[i], &high = points[i + 1];
        if (temperatureC == low.temperatureC)
            return RatingAnswer<WorkingPressure>::of(
                {low.pressureBar, low.temperatureC, low.temperatureC});
        if (temperatureC < high.temperatureC) {
            const double share =
                (temperatureC - low.temperatureC) / (high.temperatureC - low.temperatureC);
            const double bar = low.pressureBar + (high.pressureBar - low.pressureBar) * share;
            return RatingAnswer<WorkingPressure>::of({bar, low.temperatureC, high.temperatureC});
        }
    }
    return RatingAnswer<WorkingPressure>::of(
        {last.pressureBar, last.temperatureC, last.temperatureC});
}

QList<ClassWorkingPressure> classWorkingPressures(const GroupRatings &group, double temperatureC)
{
    QList<ClassWorkingPressure> all;
    for (const ClassRatings &ratings : group.classes)
        all.append({ratings.flangeClass,
                    maximumWorkingPressure(group, ratings.flangeClass, temperatureC)});
    return all;
}

RatingAnswer<MaterialRatings> materialRatings(QStringView material, QStringView temperature)
{
    const RatingAnswer<double> temperatureC = readTemperatureC(temperature);
    if (!temperatureC)
        return temperatureC.unreadable
                   ? RatingAnswer<MaterialRatings>::notReadable(temperatureC.reason,
                                                                temperatureC.text)
                   : RatingAnswer<MaterialRatings>::refused(temperatureC.reason, temperatureC.text);
    const RatingAnswer<RatedMaterialChoice> choice = ratedMaterial(material);
    if (!choice)
        return RatingAnswer<MaterialRatings>::refused(choice.reason, choice.text);
    const QList<ClassWorkingPressure> classes =
        classWorkingPressures(*choice->group, *temperatureC);
    // A temperature no class is rated at is refused, as it is for one class: the highest
    // class's reason names the range.
    if (std::ranges::none_of(classes, [](const auto &entry) { return bool(entry.pressure); }))
        return RatingAnswer<MaterialRatings>::refused(classes.constLast().pressure.reason,
                                                      classes.constLast().pressure.text);
    return RatingAnswer<MaterialRatings>::of({*choice, *temperatureC, classes});
}

RatingAnswer<ClassCheck> checkClass(const GroupRatings &group, int flangeClass, double designBar,
                                    double temperatureC)
{
    const RatingAnswer<WorkingPressure> rating =
        maximumWorkingPressure(group, flangeClass, temperatureC);
    if (!rating)
        return RatingAnswer<ClassCheck>::refused(rating.reason, rating.text);
    return RatingAnswer<ClassCheck>::of(
        {flangeClass, *rating, settled(settled(rating->bar) - settled(designBar))});
}

RatingAnswer<ClassCheck> lowestClassHolding(const GroupRatings &group, double designBar,
                                            double temperatureC)
{
    std::optional<ClassCheck> highest;
    QString refusal, refusalText;
    for (const ClassRatings &ratings : group.classes) {
        if (classPnName(ratings.flangeClass).isEmpty())
            continue;
        const RatingAnswer<ClassCheck> check =
            checkClass(group, ratings.flangeClass, designBar, temperatureC);
        if (check && check->holds())
            return check;
        if (check)
            highest = *check;
        else {
            refusal = check.reason;
            refusalText = check.text;
        }
    }
    // No class has a rating at this temperature: the last class's reason names the range.
    if (!highest)
        return RatingAnswer<ClassCheck>::refused(refusal, refusalText);
    const QString groupName = QLatin1String(group.group);
    return RatingAnswer<ClassCheck>::refused(
        QStringLiteral("no class holds %1 bar at %2 °C in group %3: Class %4 is rated %5 bar")
            .arg(barText(designBar), temperatureText(temperatureC), groupName,
                 QString::number(highest->flangeClass), barText(highest->rating.bar)),
        QCoreApplication::translate(
            "PressureRating",
            "材料组 %3 在 %2 °C 下没有能承受 %1 bar 的压力等级：Class %4 为 %5 bar")
            .arg(barText(designBar), temperatureText(temperatureC), groupName,
                 QString::number(highest->flangeClass), barText(highest->rating.bar)));
}

QString barText(double bar)
{
    return rounded(bar, 100);
}

QString mpaText(double mpa)
{
    return rounded(mpa, 1000);
}

QString temperatureText(double temperatureC)
{
    return plainNumberText(temperatureC + 0.0);
}
