// quorvit rating --material MATERIAL --temperature TEMP [--class CLASS] [--pressure P]
//                [--format text|json]
#include "cli/commandarguments.h"
#include "cli/textformat.h"
#include "core/model/flangeclass.h"
#include "core/ratings/designconditions.h"
#include "core/ratings/pressurerating.h"
#include "core/values/quotedinput.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

namespace
{

// The answer, or the program ends: an unreadable text is a usage error, a value refused is
// rejected (exit 1).
template <typename T> T accepted(const RatingAnswer<T> &answer)
{
    if (answer)
        return *answer;
    if (answer.unreadable)
        failUsage(answer.reason);
    failRejected({answer.reason});
}

// A class as written: unreadable (a usage error) or refused when it is no B16.5 class.
RatingAnswer<int> classOption(const QString &text)
{
    const QString quoted = quotedInput(text);
    const std::optional<ClassSpelling> spelling = readClassSpelling(text);
    if (!spelling && pnNumber(text))
        return RatingAnswer<int>::refused(
            QStringLiteral("%1 names no class: the Class series' PN names are PN20, PN50, PN110, "
                           "PN150, PN260 and PN420")
                .arg(quoted),
            {});
    if (!spelling)
        return RatingAnswer<int>::notReadable(
            QStringLiteral("class %1 is not a class (150, Class 150, CL150, 150#, 150LB, PN20)")
                .arg(quoted),
            {});
    if (!isFlangeClass(spelling->number))
        return RatingAnswer<int>::refused(
            QStringLiteral("Class %1 is no ASME B16.5 class (150, 300, 400, 600, 900, 1500, 2500)")
                .arg(spelling->number),
            {});
    return RatingAnswer<int>::of(spelling->number);
}

bool jsonAsked(const CommandArguments &arguments)
{
    if (!arguments.isSet(QStringLiteral("format")))
        return false;
    const QString format = arguments.value(QStringLiteral("format")).trimmed().toLower();
    if (format != QLatin1String("text") && format != QLatin1String("json"))
        failUsage(QStringLiteral("unknown format %1 (text or json)").arg(quotedInput(format)));
    return format == QLatin1String("json");
}

QString label(const char *chinese)
{
    return QCoreApplication::translate("RatingOutput", chinese);
}

// What was asked: the material (or group) and the temperature.
struct Asked {
    RatedMaterialChoice material;
    double temperatureC = 0;
    std::optional<double> designBar;
};

QString classText(int flangeClass)
{
    const QString pn = classPnName(flangeClass);
    return QStringLiteral("Class %1").arg(flangeClass) +
           (pn.isEmpty() ? QString() : label(QT_TRANSLATE_NOOP("RatingOutput", "（%1）")).arg(pn));
}

QString pressureText(double bar)
{
    return label(QT_TRANSLATE_NOOP("RatingOutput", "%1 bar（%2 MPa）"))
        .arg(barText(bar), mpaText(bar / 10));
}

QString basisText(const WorkingPressure &rating)
{
    if (!rating.interpolated())
        return label(QT_TRANSLATE_NOOP("RatingOutput", "ASME B16.5 表中所列"));
    return label(QT_TRANSLATE_NOOP("RatingOutput", "在 %1 °C 与 %2 °C 之间线性插值"))
        .arg(temperatureText(rating.lowerC), temperatureText(rating.upperC));
}

QList<QStringList> askedRows(const Asked &asked)
{
    const QString group = QString::fromLatin1(asked.material.group->group);
    const QString material = asked.material.material.isEmpty()
                                 ? label(QT_TRANSLATE_NOOP("RatingOutput", "材料组 %1")).arg(group)
                                 : label(QT_TRANSLATE_NOOP("RatingOutput", "%1（材料组 %2）"))
                                       .arg(asked.material.material, group);
    QList<QStringList> rows{{label(QT_TRANSLATE_NOOP("RatingOutput", "材料")), material},
                            {label(QT_TRANSLATE_NOOP("RatingOutput", "温度")),
                             temperatureText(asked.temperatureC) + QStringLiteral(" °C")}};
    if (asked.designBar)
        rows.append(
            {label(QT_TRANSLATE_NOOP("RatingOutput", "设计压力")), pressureText(*asked.designBar)});
    return rows;
}

double roundedTo(double value, double scale)
{
    return std::round(value * scale) / scale + 0.0;
}

QJsonObject askedJson(const Asked &asked)
{
    QJsonObject object{
        {QStringLiteral("standard"), QStringLiteral("ASME B16.5")},
        {QStringLiteral("material_group"), QString::fromLatin1(asked.material.group->group)},
        {QStringLiteral("temperature_c"), asked.temperatureC}};
    object.insert(QStringLiteral("material"), asked.material.material.isEmpty()
                                                  ? QJsonValue()
                                                  : QJsonValue(asked.material.material));
    if (asked.designBar) {
        object.insert(QStringLiteral("design_pressure_bar"), roundedTo(*asked.designBar, 100));
        object.insert(QStringLiteral("design_pressure_mpa"),
                      roundedTo(*asked.designBar / 10, 1000));
    }
    return object;
}

void insertRating(QJsonObject &object, int flangeClass, const WorkingPressure &rating)
{
    const QString pn = classPnName(flangeClass);
    object.insert(QStringLiteral("class"), flangeClass);
    object.insert(QStringLiteral("class_pn"), pn.isEmpty() ? QJsonValue() : QJsonValue(pn));
    object.insert(QStringLiteral("max_pressure_bar"), roundedTo(rating.bar, 100));
    object.insert(QStringLiteral("max_pressure_mpa"), roundedTo(rating.mpa(), 1000));
    object.insert(QStringLiteral("interpolated"), rating.interpolated());
    QJsonArray listed{rating.lowerC};
    if (rating.interpolated())
        listed.append(rating.upperC);
    object.insert(QStringLiteral("listed_temperatures_c"), listed);
}

QString jsonText(const QJsonObject &object)
{
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented));
}

// One class at the temperature: its rating, and with a design pressure its margin.
QString oneClass(const Asked &asked, int flangeClass, const WorkingPressure &rating,
                 std::optional<double> marginBar, bool chosen, bool json)
{
    if (json) {
        QJsonObject object = askedJson(asked);
        insertRating(object, flangeClass, rating);
        if (marginBar) {
            object.insert(QStringLiteral("holds"), true);
            object.insert(QStringLiteral("margin_bar"), roundedTo(*marginBar, 100));
            object.insert(QStringLiteral("margin_mpa"), roundedTo(*marginBar / 10, 1000));
        }
        return jsonText(object);
    }
    QList<QStringList> rows = askedRows(asked);
    rows.append({chosen ? label(QT_TRANSLATE_NOOP("RatingOutput", "最低压力等级"))
                        : label(QT_TRANSLATE_NOOP("RatingOutput", "压力等级")),
                 classText(flangeClass)});
    rows.append(
        {label(QT_TRANSLATE_NOOP("RatingOutput", "最高工作压力")), pressureText(rating.bar)});
    rows.append({label(QT_TRANSLATE_NOOP("RatingOutput", "依据")), basisText(rating)});
    if (marginBar)
        rows.append({label(QT_TRANSLATE_NOOP("RatingOutput", "裕量")), pressureText(*marginBar)});
    return alignedColumns(rows);
}

// Every class at the temperature.
QString everyClass(const Asked &asked, const QList<ClassWorkingPressure> &classes, bool json)
{
    if (json) {
        QJsonArray array;
        for (const ClassWorkingPressure &entry : classes) {
            QJsonObject object;
            if (entry.pressure) {
                insertRating(object, entry.flangeClass, *entry.pressure);
            } else {
                const QString pn = classPnName(entry.flangeClass);
                object.insert(QStringLiteral("class"), entry.flangeClass);
                object.insert(QStringLiteral("class_pn"),
                              pn.isEmpty() ? QJsonValue() : QJsonValue(pn));
                object.insert(QStringLiteral("max_pressure_bar"), QJsonValue());
                object.insert(QStringLiteral("max_pressure_mpa"), QJsonValue());
                object.insert(QStringLiteral("reason"), entry.pressure.reason);
            }
            array.append(object);
        }
        QJsonObject object = askedJson(asked);
        object.insert(QStringLiteral("classes"), array);
        return jsonText(object);
    }
    QList<QStringList> rows{{label(QT_TRANSLATE_NOOP("RatingOutput", "压力等级")),
                             QStringLiteral("HG/T 20615"),
                             label(QT_TRANSLATE_NOOP("RatingOutput", "最高工作压力(bar)")),
                             label(QT_TRANSLATE_NOOP("RatingOutput", "最高工作压力(MPa)"))}};
    QStringList notes;
    for (const ClassWorkingPressure &entry : classes) {
        const QString pn = classPnName(entry.flangeClass);
        rows.append({QStringLiteral("Class %1").arg(entry.flangeClass),
                     pn.isEmpty() ? QStringLiteral("-") : pn,
                     entry.pressure ? barText(entry.pressure->bar) : QStringLiteral("-"),
                     entry.pressure ? mpaText(entry.pressure->mpa()) : QStringLiteral("-")});
        if (!entry.pressure)
            notes.append(entry.pressure.text);
    }
    QString text = alignedColumns(askedRows(asked)) + QLatin1Char('\n') + alignedColumns(rows);
    for (const QString &note : notes)
        text += note + QLatin1Char('\n');
    return text;
}

int runRating(const CommandArguments &arguments, const ProgramParts &)
{
    const bool json = jsonAsked(arguments);
    const RatingAnswer<double> temperature =
        readTemperatureC(arguments.value(QStringLiteral("temperature")));
    const std::optional<RatingAnswer<double>> pressure =
        arguments.isSet(QStringLiteral("pressure"))
            ? std::optional(readDesignPressureBar(arguments.value(QStringLiteral("pressure"))))
            : std::nullopt;
    const std::optional<RatingAnswer<int>> classAnswer =
        arguments.isSet(QStringLiteral("class"))
            ? std::optional(classOption(arguments.value(QStringLiteral("class"))))
            : std::nullopt;
    // Every text that reads as nothing is a usage error before any value is refused.
    if (temperature.unreadable)
        accepted(temperature);
    if (pressure && pressure->unreadable)
        accepted(*pressure);
    if (classAnswer && classAnswer->unreadable)
        accepted(*classAnswer);
    Asked asked;
    asked.temperatureC = accepted(temperature);
    if (pressure)
        asked.designBar = accepted(*pressure);
    const int flangeClass = classAnswer ? accepted(*classAnswer) : 0; // 0: none given
    asked.material = accepted(ratedMaterial(arguments.value(QStringLiteral("material"))));
    const GroupRatings &group = *asked.material.group;

    if (!asked.designBar && !flangeClass) {
        const MaterialRatings all =
            accepted(materialRatings(arguments.value(QStringLiteral("material")),
                                     arguments.value(QStringLiteral("temperature"))));
        writeOut(everyClass(asked, all.classes, json));
        return ExitSuccess;
    }
    if (!asked.designBar) {
        const WorkingPressure rating =
            accepted(maximumWorkingPressure(group, flangeClass, asked.temperatureC));
        writeOut(oneClass(asked, flangeClass, rating, std::nullopt, false, json));
        return ExitSuccess;
    }
    const ClassCheck check =
        flangeClass ? accepted(checkClass(group, flangeClass, *asked.designBar, asked.temperatureC))
                    : accepted(lowestClassHolding(group, *asked.designBar, asked.temperatureC));
    if (!check.holds())
        failRejected({QStringLiteral("Class %1 does not hold %2 bar at %3 °C in group %4: it is "
                                     "rated %5 bar")
                          .arg(QString::number(check.flangeClass), barText(*asked.designBar),
                               temperatureText(asked.temperatureC),
                               QString::fromLatin1(group.group), barText(check.rating.bar))});
    writeOut(oneClass(asked, check.flangeClass, check.rating, check.marginBar, !flangeClass, json));
    return ExitSuccess;
}

} // namespace

Command ratingCommand()
{
    return {
        QStringLiteral("rating"),
        helpSource(QT_TRANSLATE_NOOP(
            "CommandHelp",
            "ASME B16.5 法兰在某一温度下的最高工作压力，或承受设计压力的最低压力等级")),
        {},
        {{{QStringLiteral("material")},
          QStringLiteral("MATERIAL"),
          helpSource(QT_TRANSLATE_NOOP(
              "CommandHelp", "材料组（1.1、2.1）或材料：A105、A216 WCB、A515-70、A516-70（1.1），\n"
                             "A182 F304、A351 CF8、304（2.1）")),
          true},
         {{QStringLiteral("temperature")},
          QStringLiteral("TEMP"),
          helpSource(QT_TRANSLATE_NOOP("CommandHelp", "温度，°C（250、250°C、-20℃）")),
          true},
         {{QStringLiteral("class")},
          QStringLiteral("CLASS"),
          helpSource(QT_TRANSLATE_NOOP(
              "CommandHelp",
              "压力等级：150、Class 150、CL150、150#、150LB 或 PN20（HG/T 20615 的写法）"))},
         {{QStringLiteral("pressure")},
          QStringLiteral("P"),
          helpSource(QT_TRANSLATE_NOOP("CommandHelp",
                                       "设计压力（表压）：40bar、4MPa、4.0（MPa）或 40.8kgf/cm²；\n"
                                       "不写 --class 时给出承受它的最低压力等级和裕量"))},
         {{QStringLiteral("format")},
          QStringLiteral("text|json"),
          helpSource(QT_TRANSLATE_NOOP("CommandHelp", "text（默认）或 json（一个对象）"))}},
        helpSource(QT_TRANSLATE_NOOP(
            "CommandHelp",
            "在所列温度之间按线性插值，B16.5 允许这样做；低于或高于所列温度、或没有额定值的材料组\n"
            "和压力等级不予接受（退出码 1）。只写 --class：该等级的最高工作压力；只写 "
            "--pressure：\n"
            "承受它的最低压力等级（150、300、600、900、1500、2500；Class 400 有额定值，但 HG/T "
            "20615\n"
            "和法兰尺寸表中没有，用 --class 400 查）；两者都写：该等级是否承受（不承受时退出码 "
            "1）；\n"
            "两者都不写：各压力等级的最高工作压力。")),
        runRating};
}
