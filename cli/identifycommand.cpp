// quorvit identify [--outside-diameter MM] [--bolt-circle MM] [--holes N] [--hole-diameter MM]
//                  [--thickness MM] [--pipe-od MM] [--tolerance MM] [--format text|json|csv]
#include "catalogue/classseries.h"
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

// The Class series' matches under their standard: kind, class, size, deviations.
QString classText(const QList<FlangeMatch> &matches)
{
    QStringList header = {QCoreApplication::translate("RecordOutput", "类型"),
                          QStringLiteral("Class"), QStringLiteral("NPS"), QStringLiteral("DN"),
                          QCoreApplication::translate("RecordOutput", "总偏差(mm)")};
    for (const Deviation &d : matches.constFirst().deviations)
        header.append(deviationTitle(d.measure));
    QList<QStringList> rows{header};
    for (const FlangeMatch &m : matches) {
        QStringList row = {kindName(m.record.kind), m.record.pressureText,
                           npsText(m.record.row->key().size.npsQuarters),
                           QString::number(m.record.dn), plainNumberText(m.totalMm)};
        for (const Deviation &d : m.deviations)
            row.append(deviationText(d.mm));
        rows.append(row);
    }
    return classStandardText() + QLatin1Char('\n') + alignedColumns(rows);
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

QJsonObject deviationsOf(const FlangeMatch &m)
{
    QJsonObject deviations;
    for (const Deviation &d : m.deviations)
        deviations.insert(QLatin1String(measureKey(d.measure)), d.mm);
    return deviations;
}

// A Class match as `lookup` keys a Class record, with its deviations.
QJsonObject classJson(const FlangeMatch &m)
{
    QJsonObject object;
    for (const FlangeField &field : classFlangeFields(m.record.kind))
        object.insert(QLatin1String(field.key), jsonOf(field.value(m.record)));
    object.insert(QLatin1String("kind"), kindCode(m.record.kind));
    object.insert(QLatin1String("standard"), QString::fromUtf8(classStandard()->name));
    object.insert(QLatin1String("class"), m.record.rating.value);
    object.insert(QLatin1String("pn"), classPnName(m.record.rating));
    object.insert(QLatin1String("nps"), npsText(m.record.row->key().size.npsQuarters));
    object.insert(QLatin1String("dn"), m.record.dn);
    object.insert(QLatin1String("deviation_mm"), m.totalMm);
    object.insert(QLatin1String("deviations"), deviationsOf(m));
    return object;
}

QString asJson(const QList<FlangeMatch> &matches, const QList<FlangeMatch> &classMatches)
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
        object.insert(QLatin1String("deviations"), deviationsOf(m));
        array.append(object);
    }
    for (const FlangeMatch &m : classMatches)
        array.append(classJson(m));
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented));
}

// The PN series' matches, then the Class series' (their class and NPS in three more columns,
// which a list of PN matches alone does not have).
QString asCsv(const QList<FlangeMatch> &pnMatches, const QList<FlangeMatch> &classMatches)
{
    const QList<FlangeMatch> matches = pnMatches + classMatches;
    static const char *const shared[] = {
        "outside_diameter", "bolt_circle", "hole_count", "hole_diameter",
        "thickness",        "callout",     "bolt",       "weight_kg"};
    QStringList header = {"kind", "pressure_mpa", "dn", "series", "deviation_mm"};
    for (const Deviation &d : matches.constFirst().deviations)
        header.append(QStringLiteral("%1_deviation_mm").arg(QLatin1String(measureKey(d.measure))));
    for (const char *key : shared)
        header.append(QLatin1String(key));
    if (!classMatches.isEmpty())
        header += QStringList{"standard", "class", "nps"};
    QString text = csvLine(header);
    for (const FlangeMatch &m : matches) {
        const bool isClass = m.record.rating.system == RatingSystem::Class;
        QStringList row = {kindCode(m.record.kind), isClass ? QString() : m.record.pressureText,
                           QString::number(m.record.dn),
                           isClass ? QString() : seriesText(m.record.series),
                           plainNumberText(m.totalMm)};
        for (const Deviation &d : m.deviations)
            row.append(plainNumberText(d.mm));
        for (const char *key : shared) {
            // One cell a key: empty where the record has no such field (a Class record's
            // callout, bolt and printed weight).
            QString cell;
            for (const FlangeField &field :
                 isClass ? classFlangeFields(m.record.kind) : flangeFields(m.record.kind)) {
                if (qstrcmp(field.key, key) != 0)
                    continue;
                const FieldValue value = field.value(m.record);
                cell = std::holds_alternative<double>(value) ? plainNumberText(std::get<double>(value))
                       : std::holds_alternative<QString>(value) ? std::get<QString>(value)
                                                                : QString();
            }
            row.append(cell);
        }
        if (isClass)
            row += QStringList{QString::fromUtf8(classStandard()->name), m.record.pressureText,
                               npsText(m.record.row->key().size.npsQuarters)};
        else if (!classMatches.isEmpty())
            row += QStringList{QString(), QString(), QString()};
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

    // The PN series' flanges first, then the Class series' that fit, under their standard.
    const QList<FlangeMatch> matches = identifyFlange(measured);
    const QList<FlangeMatch> classMatches = identifyClassFlange(measured);
    if (matches.isEmpty() && classMatches.isEmpty())
        failRejected({QStringLiteral("no listed flange matches within %1 mm")
                          .arg(plainNumberText(measured.toleranceMm))});
    QString text;
    if (format == OutputFormat::Json)
        text = asJson(matches, classMatches);
    else if (format == OutputFormat::Csv)
        text = asCsv(matches, classMatches);
    else
        text = (matches.isEmpty() ? QString() : asText(matches)) +
               (matches.isEmpty() || classMatches.isEmpty() ? QString() : QStringLiteral("\n")) +
               (classMatches.isEmpty() ? QString() : classText(classMatches));
    writeOut(text);
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
                                         "的行按总偏差\n从小到大列出，其后是相符的 Class 系列（ASME "
                                         "B16.5）法兰。\n没有相符的：退出码 1。")),
            runIdentify};
}
