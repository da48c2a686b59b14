#include "takeoff/takeoffwriter.h"

#include "catalogue/flangeinput.h"
#include "core/values/valuetext.h"

#include <cmath>

namespace
{

// The Chinese name the catalogue gives a value.
QString fieldName(const char *key)
{
    for (const FlangeField &field : flangeFields(FlangeKind::Plate))
        if (qstrcmp(field.key, key) == 0)
            return field.name;
    return QString::fromLatin1(key);
}

TakeoffCell length(const std::optional<double> &value)
{
    return value ? TakeoffCell(*value) : TakeoffCell();
}

} // namespace

const QList<TakeoffColumn> &takeoffColumns()
{
    static const QString mm = QStringLiteral("mm");
    static const QString kg = QStringLiteral("kg");
    static const QList<TakeoffColumn> columns = {
        {QStringLiteral("行号"), {}, -1},
        {QStringLiteral("类型"), {}, -1},
        {QStringLiteral("公称压力"), QStringLiteral("MPa"), -1},
        {QStringLiteral("系列"), {}, -1},
        {QStringLiteral("公称直径"), QStringLiteral("DN"), -1},
        {QStringLiteral("数量"), {}, -1},
        {fieldName("outside_diameter"), mm, -1},
        {fieldName("bolt_circle"), mm, -1},
        {fieldName("callout"), {}, -1},
        {fieldName("bolt"), {}, -1},
        {fieldName("thickness"), mm, -1},
        {QStringLiteral("单重"), kg, 2},
        {QStringLiteral("重量"), kg, 2},
        {QStringLiteral("错误"), {}, -1},
    };
    return columns;
}

QString takeoffColumnTitle(const TakeoffColumn &column)
{
    return column.unit.isEmpty() ? column.name
                                 : QStringLiteral("%1(%2)").arg(column.name, column.unit);
}

QList<TakeoffCell> takeoffCells(const TakeoffLine &line)
{
    QList<TakeoffCell> cells(ErrorColumn + 1);
    const auto written = [&](qsizetype i) {
        const QString text = line.fields.value(i);
        return text.isEmpty() ? TakeoffCell() : TakeoffCell(text);
    };
    cells[LineColumn] = double(line.number);
    cells[KindColumn] = line.kind ? TakeoffCell(kindCode(*line.kind)) : written(0);
    cells[PressureColumn] = line.pressureMpa ? TakeoffCell(*line.pressureMpa) : written(1);
    cells[SeriesColumn] = line.series ? TakeoffCell(seriesText(*line.series)) : written(2);
    cells[DnColumn] = line.dn ? TakeoffCell(double(*line.dn)) : written(3);
    cells[QuantityColumn] = line.quantity ? TakeoffCell(double(*line.quantity)) : written(4);
    if (const FlangeRecord *r = line.record.get()) {
        cells[OutsideDiameterColumn] = length(r->outsideDiameter);
        cells[BoltCircleColumn] = length(r->boltCircle);
        cells[CalloutColumn] = r->callout;
        cells[BoltColumn] = r->bolt;
        cells[ThicknessColumn] = length(r->thickness);
        cells[UnitWeightColumn] = line.unitWeightKg();
        cells[WeightColumn] = line.weightKg();
    }
    if (!line.ok())
        cells[ErrorColumn] = line.error;
    return cells;
}

QList<QList<TakeoffCell>> takeoffTotalRows(const TakeoffTotals &totals)
{
    QList<QList<TakeoffCell>> rows;
    QList<TakeoffCell> sum(ErrorColumn + 1);
    sum[LineColumn] = QStringLiteral("合计");
    if (const QString exceeded = totals.exceeded(); !exceeded.isEmpty()) {
        sum[ErrorColumn] = exceeded; // no number rather than a wrong one
        return {sum};
    }
    sum[QuantityColumn] = double(totals.flanges());
    sum[WeightColumn] = totals.weightKg();
    if (totals.failedLines() > 0)
        sum[ErrorColumn] = QStringLiteral("%1 行未计入").arg(totals.failedLines());
    rows.append(sum);
    const QMap<QString, qint64> bolts = totals.bolts();
    for (auto it = bolts.cbegin(); it != bolts.cend(); ++it) {
        QList<TakeoffCell> bolt(ErrorColumn + 1);
        bolt[LineColumn] = QStringLiteral("螺栓");
        bolt[QuantityColumn] = double(it.value());
        bolt[BoltColumn] = it.key();
        rows.append(bolt);
    }
    return rows;
}

QString takeoffCellText(const TakeoffCell &cell, int decimals)
{
    if (const double *number = std::get_if<double>(&cell)) {
        // Counts and hundredths print as integers: a long list prints millions of them.
        if (decimals < 0 && *number == std::trunc(*number) && std::abs(*number) < 1e15)
            return QString::number(qint64(*number));
        if (decimals == 2 && std::abs(*number) < 1e13) {
            const qint64 hundredths = std::llround(std::abs(*number) * 100);
            return QLatin1String(*number < 0 && hundredths > 0 ? "-" : "") +
                   QString::number(hundredths / 100) + QLatin1Char('.') +
                   QString::number(hundredths % 100).rightJustified(2, u'0');
        }
        return decimals < 0 ? plainNumberText(*number) : QString::number(*number, 'f', decimals);
    }
    if (const QString *text = std::get_if<QString>(&cell))
        return *text;
    return QString();
}
