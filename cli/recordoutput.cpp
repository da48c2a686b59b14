#include "cli/recordoutput.h"

#include "catalogue/classseries.h"
#include "catalogue/fieldname.h"
#include "catalogue/flangeinput.h"
#include "cli/textformat.h"
#include "core/values/valuetext.h"

#include <QCoreApplication>

namespace
{

// A cell as text: numbers as tabled, nothing for a value the row does not have.
QString plainText(const FieldValue &value)
{
    if (const double *number = std::get_if<double>(&value))
        return plainNumberText(*number);
    if (const QString *text = std::get_if<QString>(&value))
        return *text;
    return {};
}

QString jsonText(const FieldValue &value)
{
    if (const double *number = std::get_if<double>(&value))
        return plainNumberText(*number);
    if (const QString *text = std::get_if<QString>(&value))
        return QString::fromUtf8(jsonStringLiteral(*text));
    return QStringLiteral("null");
}

bool isClass(const FlangeRecord &r)
{
    return r.rating.system == RatingSystem::Class;
}

// A record's size as its row keys it.
NominalSize sizeOf(const FlangeRecord &r)
{
    return r.row ? r.row->key().size : NominalSize{NominalDiameter(r.dn), 0};
}

// The identifying keys and values every record starts with: a Class record names its standard.
QList<std::pair<QString, FieldValue>> identity(const FlangeRecord &r)
{
    if (isClass(r)) {
        const Standard *standard = classStandard();
        return {{QStringLiteral("kind"), kindCode(r.kind)},
                {QStringLiteral("standard"), QString::fromUtf8(standard->name)},
                {QStringLiteral("edition"), QString::fromUtf8(standard->edition)},
                {QStringLiteral("equivalent_standard"), QString::fromUtf8(standard->equivalent)},
                {QStringLiteral("class"), r.rating.value},
                {QStringLiteral("pn"), classPnName(r.rating)},
                {QStringLiteral("nps"), npsText(sizeOf(r).npsQuarters)},
                {QStringLiteral("dn"), double(r.dn)}};
    }
    return {{QStringLiteral("kind"), kindCode(r.kind)},
            {QStringLiteral("pressure_mpa"), r.pressureText},
            {QStringLiteral("dn"), double(r.dn)},
            {QStringLiteral("series"), seriesText(r.series)}};
}

const QList<FlangeField> &fieldsOf(const FlangeRecord &r)
{
    return isClass(r) ? classFlangeFields(r.kind) : flangeFields(r.kind);
}

QList<std::pair<QString, FieldValue>> keyedValues(const FlangeRecord &r)
{
    QList<std::pair<QString, FieldValue>> values = identity(r);
    for (const FlangeField &field : fieldsOf(r))
        values.append({QString::fromLatin1(field.key), field.value(r)});
    return values;
}

QString jsonObject(const FlangeRecord &r, const QString &indent)
{
    QStringList members;
    for (const auto &[key, value] : keyedValues(r))
        members.append(indent + QStringLiteral("  ") + QString::fromUtf8(jsonStringLiteral(key)) +
                       QStringLiteral(": ") + jsonText(value));
    return QStringLiteral("{\n") + members.join(QStringLiteral(",\n")) + QLatin1Char('\n') +
           indent + QLatin1Char('}');
}

QString json(const QList<FlangeRecord> &records, RecordLayout layout)
{
    if (layout == RecordLayout::One)
        return records.isEmpty() ? QStringLiteral("null\n")
                                 : jsonObject(records.first(), {}) + QLatin1Char('\n');
    QStringList objects;
    for (const FlangeRecord &r : records)
        objects.append(QStringLiteral("  ") + jsonObject(r, QStringLiteral("  ")));
    return objects.isEmpty() ? QStringLiteral("[]\n")
                             : QStringLiteral("[\n") + objects.join(QStringLiteral(",\n")) +
                                   QStringLiteral("\n]\n");
}

QString csv(FlangeKind kind, const QList<FlangeRecord> &records)
{
    const FlangeRecord first = records.isEmpty() ? FlangeRecord{} : records.first();
    QStringList header;
    for (const auto &entry : identity(first))
        header.append(entry.first);
    for (const FlangeField &field : isClass(first) ? classFlangeFields(kind) : flangeFields(kind))
        header.append(QString::fromLatin1(field.key));
    QString text = csvLine(header);
    for (const FlangeRecord &r : records) {
        QStringList line;
        for (const auto &entry : keyedValues(r))
            line.append(plainText(entry.second));
        text += csvLine(line);
    }
    return text;
}

// A label of the text form, in the interface's language.
QString label(const char *chinese)
{
    return QCoreApplication::translate("RecordOutput", chinese);
}

QString withUnit(const QString &text, const QString &unit)
{
    return unit.isEmpty() ? text : text + QLatin1Char('(') + unit + QLatin1Char(')');
}

// The value of a field as the text forms show it: with its unit, "-" where there is none.
QString shownValue(const FlangeField &field, const FlangeRecord &r)
{
    const QString value = plainText(field.value(r));
    return value.isEmpty()        ? QStringLiteral("-")
           : field.unit.isEmpty() ? value
                                  : value + QLatin1Char(' ') + field.unit;
}

// A Class record: its standard, class and size, then a line per value.
QString classTextOne(const FlangeRecord &r)
{
    const QString pn = classPnName(r.rating);
    QList<QStringList> rows{
        {label(QT_TRANSLATE_NOOP("RecordOutput", "法兰类型")), QString(),
         kindName(r.kind) + QStringLiteral(" (") + kindCode(r.kind) + QLatin1Char(')')},
        {label(QT_TRANSLATE_NOOP("RecordOutput", "标准")), QString(), classStandardText()},
        {label(QT_TRANSLATE_NOOP("RecordOutput", "压力等级")), QStringLiteral("Class"),
         pn.isEmpty() ? r.pressureText : r.pressureText + QStringLiteral(" (") + pn + u')'},
        {label(QT_TRANSLATE_NOOP("RecordOutput", "公称尺寸")), QStringLiteral("NPS"),
         npsText(sizeOf(r).npsQuarters) + QStringLiteral(" (DN ") + QString::number(r.dn) + u')'}};
    for (const FlangeField &field : classFlangeFields(r.kind))
        rows.append({translatedFieldName(field.name), field.symbol, shownValue(field, r)});
    return alignedColumns(rows);
}

// A list of Class records: the standard, then a header of names with units and a line each.
QString classTextList(FlangeKind kind, const QList<FlangeRecord> &records)
{
    QStringList header{QStringLiteral("Class"), QStringLiteral("NPS"), QStringLiteral("DN")};
    for (const FlangeField &field : classFlangeFields(kind))
        header.append(withUnit(translatedFieldName(field.name), field.unit));
    QList<QStringList> rows{header};
    for (const FlangeRecord &r : records) {
        QStringList line{r.pressureText, npsText(sizeOf(r).npsQuarters), QString::number(r.dn)};
        for (const FlangeField &field : classFlangeFields(kind)) {
            const QString value = plainText(field.value(r));
            line.append(value.isEmpty() ? QStringLiteral("-") : value);
        }
        rows.append(line);
    }
    return classStandardText() + QLatin1Char('\n') + alignedColumns(rows);
}

// One record: a line per value, "法兰外径  D  215 mm".
QString textOne(const FlangeRecord &r)
{
    QList<QStringList> rows{
        {label(QT_TRANSLATE_NOOP("RecordOutput", "法兰类型")), QString(),
         kindName(r.kind) + QStringLiteral(" (") + kindCode(r.kind) + QLatin1Char(')')},
        {label(QT_TRANSLATE_NOOP("RecordOutput", "公称压力")), QStringLiteral("PN"),
         r.pressureText + QStringLiteral(" MPa")},
        {label(QT_TRANSLATE_NOOP("RecordOutput", "公称通径")), QStringLiteral("DN"),
         QString::number(r.dn)},
        {label(QT_TRANSLATE_NOOP("RecordOutput", "管子系列")), QString(), seriesText(r.series)}};
    for (const FlangeField &field : flangeFields(r.kind)) {
        const QString value = plainText(field.value(r));
        rows.append({translatedFieldName(field.name), field.symbol,
                     value.isEmpty()        ? QStringLiteral("-")
                     : field.unit.isEmpty() ? value
                                            : value + QLatin1Char(' ') + field.unit});
    }
    return alignedColumns(rows);
}

// A list: a header of names with units, then a line per record.
QString textList(FlangeKind kind, const QList<FlangeRecord> &records)
{
    QStringList header{
        withUnit(label(QT_TRANSLATE_NOOP("RecordOutput", "公称压力")), QStringLiteral("MPa")),
        label(QT_TRANSLATE_NOOP("RecordOutput", "公称通径")),
        label(QT_TRANSLATE_NOOP("RecordOutput", "系列"))};
    for (const FlangeField &field : flangeFields(kind))
        header.append(withUnit(translatedFieldName(field.name), field.unit));
    QList<QStringList> rows{header};
    for (const FlangeRecord &r : records) {
        QStringList line{r.pressureText, QString::number(r.dn), seriesText(r.series)};
        for (const FlangeField &field : flangeFields(kind)) {
            const QString value = plainText(field.value(r));
            line.append(value.isEmpty() ? QStringLiteral("-") : value);
        }
        rows.append(line);
    }
    return alignedColumns(rows);
}

} // namespace

std::optional<OutputFormat> readOutputFormat(QStringView text)
{
    const QString t = text.trimmed().toString().toLower();
    if (t == QLatin1String("text"))
        return OutputFormat::Text;
    if (t == QLatin1String("json"))
        return OutputFormat::Json;
    if (t == QLatin1String("csv"))
        return OutputFormat::Csv;
    return std::nullopt;
}

QString formatRecords(FlangeKind kind, const QList<FlangeRecord> &records, OutputFormat format,
                      RecordLayout layout)
{
    switch (format) {
    case OutputFormat::Json:
        return json(records, layout);
    case OutputFormat::Csv:
        return csv(kind, records);
    case OutputFormat::Text:
        break;
    }
    if (!records.isEmpty() && isClass(records.first()))
        return layout == RecordLayout::One ? classTextOne(records.first())
                                           : classTextList(kind, records);
    return layout == RecordLayout::One && !records.isEmpty() ? textOne(records.first())
                                                             : textList(kind, records);
}
