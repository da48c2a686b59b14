#include "catalogue/query/flangequery.h"

#include "catalogue/catalogue.h"
#include "core/kinds/querymessages.h"
#include "core/values/numberreading.h"
#include "core/values/queryrun.h"
#include "core/values/valuetext.h"
#include "core/values/workingvalue.h"

#include <QStringList>

namespace
{

QString boxText(const FlangeRecord &record, const BoxSource &source)
{
    std::optional<QString> text;
    switch (source.what) {
    case BoxSource::Value:
        if (isTextDimension(source.dimension))
            text = record.text(source.dimension);
        else if (const std::optional<double> value = record.value(source.dimension))
            text = plainNumberText(*value);
        break;
    case BoxSource::Callout:
        text = record.callout;
        break;
    case BoxSource::Area:
        if (record.areaM2)
            text = record.areaText;
        break;
    case BoxSource::Weight:
        if (record.weightKg)
            text = record.weightText;
        break;
    }
    return text.value_or(QString::fromUtf8(source.absent));
}

} // namespace

void runFlangeQuery(QueryRun &run, const QueryDesign &design, std::optional<Rating> rating,
                    std::optional<PipeSeries> series)
{
    const QueryMessages messages = queryMessages(design.kind);
    QStringList missing;
    std::optional<FlangeRecord> record;
    if (!rating || !listedRatings(design.kind).contains(*rating)) {
        missing.append(messages.noPressure);
    } else {
        const std::optional<NominalDiameter> dn = readNominalDiameter(run.text(design.dnBox));
        record = dn ? lookUpFlange(design.kind, *rating, *dn, series.value_or(PipeSeries::A))
                    : std::nullopt;
        if (!record)
            missing.append(messages.diameterNotListed);
    }
    if (!series)
        missing.append(messages.noSeries);
    if (missing.isEmpty()) {
        for (const BoxSource &source : design.writes)
            run.write(source.box, boxText(*record, source));
        return;
    }
    // Emptied before the messages, so no message is shown beside numbers of no row.
    for (const BoxSource &source : design.writes)
        run.write(source.box, QString());
    for (const QString &message : missing)
        run.message(message);
}
