#include "cli/recordoutput.h"

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

// The identifying keys and values every record starts with.
QList<std::pair<QString, FieldValue>> identity(const FlangeRecord &r)
{
    return {{QStringLiteral("kind"), kindCode(r.kind)},
            {QStringLiteral("pressure_mpa"), r.pressureText},
            {QStringLiteral("dn"), double(r.dn)},
            {QStringLiteral("series"), seriesText(r.series)}};
}

QList<std::pair<QString, FieldValue>> keyedValues(const FlangeRecord &r)
{
    QList<std::pair<QString, FieldValue>> values = identity(r);
    for (const FlangeField &field : flangeFields(r.kind))
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
    QStringList header;
    for (const auto &entry : identity(FlangeRecord{}))
        header.append(entry.first);
    for (const FlangeField &field : flangeFields(kind))
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
    return layout == RecordLayout::One && !records.isEmpty() ? textOne(records.first())
                                                             : textList(kind, records);
}
