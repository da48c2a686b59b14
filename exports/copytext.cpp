#include "exports/copytext.h"

#include "catalogue/classseries.h"
#include "catalogue/flangeinput.h"
#include "core/values/valuetext.h"

QString fieldValueText(const FlangeField &field, const FlangeRecord &record)
{
    const QLatin1String key(field.key);
    // The window's own texts, which carry its "##0.00" form.
    if (key == QLatin1String("area_m2") && record.areaM2)
        return record.areaText.trimmed();
    if (key == QLatin1String("weight_kg") && record.weightKg)
        return record.weightText.trimmed();
    const FieldValue value = field.value(record);
    if (const double *number = std::get_if<double>(&value))
        return plainNumberText(*number);
    if (const QString *text = std::get_if<QString>(&value))
        return *text;
    return QStringLiteral("-");
}

QString flangeCopyText(const FlangeRecord &record)
{
    QStringList lines{QStringLiteral("法兰类型\t%1 %2\t")
                          .arg(kindChineseName(record.kind), kindCode(record.kind))};
    if (isClassRecord(record)) {
        const int quarters = record.row ? record.row->key().size.npsQuarters : 0;
        lines << QStringLiteral("标准\t%1\t").arg(classStandardText())
              << QStringLiteral("压力等级\tClass %1\t").arg(record.pressureText)
              << QStringLiteral("公称尺寸\tNPS %1 (DN %2)\t").arg(npsText(quarters)).arg(record.dn);
    } else {
        lines << QStringLiteral("公称压力\t%1\tMPa").arg(record.pressureText)
              << QStringLiteral("公称通径\tDN%1\t").arg(record.dn)
              << QStringLiteral("管子系列\t%1\t").arg(seriesText(record.series));
    }
    for (const FlangeField &field : recordFields(record))
        lines << QStringLiteral("%1\t%2\t%3")
                     .arg(field.symbol.isEmpty() ? field.name
                                                 : field.name + QLatin1Char(' ') + field.symbol,
                          fieldValueText(field, record), field.unit);
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
