// quorvit identify [--outside-diameter MM] [--bolt-circle MM] [--holes N] [--hole-diameter MM]
//                  [--thickness MM] [--pipe-od MM] [--tolerance MM] [--format text|json|csv]
#include "catalogue/fieldname.h"
#include "catalogue/flangeinput.h"
#include "catalogue/identify.h"
#include "cli/commandarguments.h"
#include "cli/flangearguments.h"
#include "cli/textformat.h"
#include "core/values/valuetext.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

namespace
{

// The option of a measure and what `--help` says of it.
struct MeasureOption {
    const char *name;
    const char *description;
};

MeasureOption optionOf(Measure measure)
{
    switch (measure) {
    case Measure::OutsideDiameter:
        return {"outside-diameter", QT_TRANSLATE_NOOP("CommandHelp", "D，法兰外径")};
    case Measure::BoltCircle:
        return {"bolt-circle", QT_TRANSLATE_NOOP("CommandHelp", "K，螺栓孔中心圆直径")};
    case Measure::HoleCount:
        return {"holes", QT_TRANSLATE_NOOP("CommandHelp", "n，螺栓孔数量（须完全相同）")};
    case Measure::HoleDiameter:
        return {"hole-diameter", QT_TRANSLATE_NOOP("CommandHelp", "L，螺栓孔直径")};
    case Measure::Thickness:
        return {"thickness", QT_TRANSLATE_NOOP("CommandHelp", "C，法兰厚度")};
    case Measure::PipeOutsideDiameter:
        break;
    }
    return {"pipe-od", QT_TRANSLATE_NOOP("CommandHelp", "A，配管外径（WN 为焊端外径）")};
}

// A length or count as measured: a finite number, not negative; a count also whole.
double measuredValue(const CommandArguments &arguments, const QString &option, bool whole)
{
    const QString text = arguments.value(option);
    const std::optional<double> read = readMeasuredNumber(text);
    const double value = read.value_or(-1);
    if (!std::isfinite(value) || value < 0 || (whole && value != std::floor(value)))
        failUsage(QStringLiteral("--%1 '%2' is not a %3")
                      .arg(option, text.left(40),
                           whole ? QStringLiteral("whole number of at least 0")
                                 : QStringLiteral("length in mm of at least 0")));
    return value;
}

QString deviationText(double mm)
{
    return (mm > 0 ? QStringLiteral("+") : QString()) + plainNumberText(mm);
}

// "法兰外径偏差(mm)", "螺栓孔数量偏差": the catalogue's name and unit of the value a measure is
// compared with (the plate table names every one of them).
QString deviationTitle(Measure measure)
{
    for (const FlangeField &field : flangeFields(FlangeKind::Plate))
        if (qstrcmp(field.key, measureKey(measure)) == 0)
            return QCoreApplication::translate("RecordOutput", "%1偏差")
                       .arg(translatedFieldName(field.name)) +
                   (field.unit.isEmpty() ? QString() : QStringLiteral("(%1)").arg(field.unit));
    return QLatin1String(measureKey(measure)); // every measure has its field
}

QString asText(const QList<FlangeMatch> &matches)
{
    QStringList header = {QCoreApplication::translate("RecordOutput", "类型"),
                          QCoreApplication::translate("RecordOutput", "公称压力(MPa)"),
                          QCoreApplication::translate("RecordOutput", "公称直径"),
                          QCoreApplication::translate("RecordOutput", "系列"),
                          QCoreApplication::translate("RecordOutput", "总偏差(mm)")};
    for (const Deviation &d : matches.constFirst().deviations)
        header.append(deviationTitle(d.measure));
    QList<QStringList> rows{header};
    for (const FlangeMatch &m : matches) {
        QStringList row = {kindName(m.record.kind), m.record.pressureText,
                           QStringLiteral("DN%1").arg(m.record.dn), seriesText(m.record.series),
                           plainNumberText(m.totalMm)};
        for (const Deviation &d : m.deviations)
            row.append(deviationText(d.mm));
        rows.append(row);
    }
    return alignedColumns(rows);
}

QJsonValue jsonOf(const FieldValue &value)
{
    if (const double *number = std::get_if<double>(&value))
        return *number;
    if (const QString *text = std::get_if<QString>(&value))
        return *text;
    return QJsonValue::Null;
}

QString asJson(const QList<FlangeMatch> &matches)
{
    QJsonArray array;
    for (const FlangeMatch &m : matches) {
        QJsonObject object;
        for (const FlangeField &field : flangeFields(m.record.kind))
            object.insert(QLatin1String(field.key), jsonOf(field.value(m.record)));
        object.insert(QLatin1String("kind"), kindCode(m.record.kind));
        // As `quorvit lookup` writes it: the list text, "1.0".
        object.insert(QLatin1String("pressure_mpa"), m.record.pressureText);
        object.insert(QLatin1String("dn"), m.record.dn);
        object.insert(QLatin1String("series"), seriesText(m.record.series));
        object.insert(QLatin1String("deviation_mm"), m.totalMm);
        QJsonObject deviations;
        for (const Deviation &d : m.deviations)
            deviations.insert(QLatin1String(measureKey(d.measure)), d.mm);
        object.insert(QLatin1String("deviations"), deviations);
        array.append(object);
    }
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented));
}

QString asCsv(const QList<FlangeMatch> &matches)
{
    static const char *const shared[] = {
        "outside_diameter", "bolt_circle", "hole_count", "hole_diameter",
        "thickness",        "callout",     "bolt",       "weight_kg"};
    QStringList header = {"kind", "pressure_mpa", "dn", "series", "deviation_mm"};
    for (const Deviation &d : matches.constFirst().deviations)
        header.append(QStringLiteral("%1_deviation_mm").arg(QLatin1String(measureKey(d.measure))));
    for (const char *key : shared)
        header.append(QLatin1String(key));
    QString text = csvLine(header);
    for (const FlangeMatch &m : matches) {
        QStringList row = {kindCode(m.record.kind), m.record.pressureText,
                           QString::number(m.record.dn), seriesText(m.record.series),
                           plainNumberText(m.totalMm)};
        for (const Deviation &d : m.deviations)
            row.append(plainNumberText(d.mm));
        for (const char *key : shared) {
            for (const FlangeField &field : flangeFields(m.record.kind)) {
                if (qstrcmp(field.key, key) != 0)
                    continue;
                const FieldValue value = field.value(m.record);
                row.append(std::holds_alternative<double>(value)
                               ? plainNumberText(std::get<double>(value))
                           : std::holds_alternative<QString>(value) ? std::get<QString>(value)
                                                                    : QString());
            }
        }
        text += csvLine(row);
    }
    return text;
}

int runIdentify(const CommandArguments &arguments, const ProgramParts &)
{
    FlangeMeasurements measured;
    for (Measure measure : AllMeasures) {
        const QString option = QLatin1String(optionOf(measure).name);
        if (arguments.isSet(option))
            measured[measure] = measuredValue(arguments, option, measure == Measure::HoleCount);
    }
    if (measured.isEmpty())
        failUsage(QStringLiteral("give at least one measurement"));
    if (arguments.isSet(QStringLiteral("tolerance")))
        measured.toleranceMm = measuredValue(arguments, QStringLiteral("tolerance"), false);
    const OutputFormat format = formatOption(arguments);

    const QList<FlangeMatch> matches = identifyFlange(measured);
    if (matches.isEmpty())
        failRejected({QStringLiteral("no listed flange matches within %1 mm")
                          .arg(plainNumberText(measured.toleranceMm))});
    writeOut(format == OutputFormat::Json  ? asJson(matches)
             : format == OutputFormat::Csv ? asCsv(matches)
                                           : asText(matches));
    return ExitSuccess;
}

} // namespace

Command identifyCommand()
{
    QList<CommandOption> options;
    for (Measure measure : AllMeasures)
        options.append({{QLatin1String(optionOf(measure).name)},
                        measure == Measure::HoleCount ? QStringLiteral("N") : QStringLiteral("MM"),
                        helpSource(optionOf(measure).description)});
    options.append({{QStringLiteral("tolerance")},
                    QStringLiteral("MM"),
                    helpSource(QT_TRANSLATE_NOOP("CommandHelp", "长度允许的偏差，默认 2"))});
    options.append(
        {{QStringLiteral("format")},
         QStringLiteral("text|json|csv"),
         helpSource(QT_TRANSLATE_NOOP("CommandHelp", "text（默认）、json（数组）或 csv"))});
    return {QStringLiteral("identify"),
            helpSource(QT_TRANSLATE_NOOP("CommandHelp", "与量得的尺寸相符的法兰，最接近的在前")),
            {},
            options,
            helpSource(QT_TRANSLATE_NOOP("CommandHelp",
                                         "至少给出一个尺寸。查遍各类型和两个系列；与每个尺寸都相符"
                                         "的行按总偏差\n从小到大列出。没有相符的：退出码 1。")),
            runIdentify};
}
