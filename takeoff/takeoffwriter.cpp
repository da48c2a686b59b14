#include "takeoff/takeoffwriter.h"

#include "catalogue/flangeinput.h"
#include "core/values/valuetext.h"

#include <QCoreApplication>
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
    static const QList<TakeoffColumn> columns = [] {
        QList<TakeoffColumn> made = {
            {QString::fromUtf8(QT_TRANSLATE_NOOP("FlangeField", "行号")), {}, -1, LineColumn},
            {QString::fromUtf8(QT_TRANSLATE_NOOP("FlangeField", "类型")), {}, -1, KindColumn},
            {QString::fromUtf8(QT_TRANSLATE_NOOP("FlangeField", "公称压力")), QStringLiteral("MPa"),
             PressureDecimals, PressureColumn},
            {QString::fromUtf8(QT_TRANSLATE_NOOP("FlangeField", "系列")), {}, -1, SeriesColumn},
            {QString::fromUtf8(QT_TRANSLATE_NOOP("FlangeField", "公称直径")), QStringLiteral("DN"),
             -1, DnColumn},
            {QString::fromUtf8(QT_TRANSLATE_NOOP("FlangeField", "数量")), {}, -1, QuantityColumn},
            {fieldName("outside_diameter"), mm, -1, OutsideDiameterColumn},
            {fieldName("bolt_circle"), mm, -1, BoltCircleColumn},
            {fieldName("callout"), {}, -1, CalloutColumn},
            {fieldName("bolt_designation"), {}, -1, BoltColumn},
            {fieldName("thickness"), mm, -1, ThicknessColumn},
            {QString::fromUtf8(QT_TRANSLATE_NOOP("FlangeField", "单重")), kg, 2, UnitWeightColumn},
            {QString::fromUtf8(QT_TRANSLATE_NOOP("FlangeField", "重量")), kg, 2, WeightColumn},
            {QString::fromUtf8(QT_TRANSLATE_NOOP("FlangeField", "错误")), {}, -1, ErrorColumn},
        };
        return made;
    }();
    return columns;
}

QList<TakeoffColumn> takeoffColumns(const CarriedColumns &carried)
{
    const QList<TakeoffColumn> &own = takeoffColumns();
    const auto named = [](const QStringList &names) {
        QList<TakeoffColumn> columns;
        for (const QString &name : names)
            columns.append({name, {}, -1, -1});
        return columns;
    };
    return own.first(KindColumn) + named(carried.leading) +
           own.sliced(KindColumn, OutsideDiameterColumn - KindColumn) + named(carried.trailing) +
           own.sliced(OutsideDiameterColumn);
}

qsizetype takeoffColumnPlace(TakeoffColumnIndex column, const CarriedColumns &carried)
{
    qsizetype at = column;
    if (column >= KindColumn)
        at += carried.leading.size();
    if (column >= OutsideDiameterColumn)
        at += carried.trailing.size();
    return at;
}

QString takeoffColumnTitle(const TakeoffColumn &column)
{
    return column.unit.isEmpty() ? column.name
                                 : QStringLiteral("%1(%2)").arg(column.name, column.unit);
}

QList<TakeoffCell> takeoffCells(const TakeoffLine &line)
{
    QList<TakeoffCell> cells(ErrorColumn + 1);
    cells[LineColumn] = double(line.number);
    // A row that is no flange shows none of its numbers: a subtotal's count is no flange's.
    if (line.skipped) {
        cells[ErrorColumn] = line.reason.text;
        return cells;
    }
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
        cells[BoltColumn] = boltToOrder(*r);
        cells[ThicknessColumn] = length(r->thickness);
        cells[UnitWeightColumn] = line.unitWeightKg();
        cells[WeightColumn] = line.weightKg();
    }
    if (!line.ok())
        cells[ErrorColumn] = line.reason.text;
    return cells;
}

namespace
{

// Program cells with the carried cells put in their places.
QList<TakeoffCell> withCarried(QList<TakeoffCell> cells, const QStringList &texts,
                               const CarriedColumns &carried)
{
    if (carried.size() == 0)
        return cells;
    const auto textCells = [&](qsizetype from, qsizetype count) {
        QList<TakeoffCell> made;
        for (qsizetype i = from; i < from + count; ++i) {
            const QString text = texts.value(i);
            made.append(text.isEmpty() ? TakeoffCell() : TakeoffCell(text));
        }
        return made;
    };
    const qsizetype leading = carried.leading.size();
    return cells.first(KindColumn) + textCells(0, leading) +
           cells.sliced(KindColumn, OutsideDiameterColumn - KindColumn) +
           textCells(leading, carried.trailing.size()) + cells.sliced(OutsideDiameterColumn);
}

} // namespace

QList<TakeoffCell> takeoffCells(const TakeoffLine &line, const CarriedColumns &carried)
{
    return withCarried(takeoffCells(line), line.carried, carried);
}

QList<QList<TakeoffCell>> takeoffTotalRows(const TakeoffTotals &totals,
                                           const CarriedColumns &carried)
{
    QList<QList<TakeoffCell>> rows;
    QList<TakeoffCell> sum(ErrorColumn + 1);
    sum[LineColumn] = QStringLiteral("合计");
    if (const QString exceeded = totals.exceeded(); !exceeded.isEmpty()) {
        sum[ErrorColumn] = exceeded; // no number rather than a wrong one
        return {withCarried(sum, {}, carried)};
    }
    sum[QuantityColumn] = double(totals.flanges());
    sum[WeightColumn] = totals.weightKg();
    if (totals.failedLines() > 0)
        sum[ErrorColumn] = QStringLiteral("%1 行未计入").arg(totals.failedLines());
    rows.append(withCarried(sum, {}, carried));
    const CarriedRoles roles = carriedRoles(carried);
    const auto add = [&](QList<TakeoffCell> row, qsizetype materialAt, const QString &material) {
        QStringList texts(carried.size());
        if (materialAt >= 0)
            texts[materialAt] = material;
        rows.append(withCarried(row, texts, carried));
    };
    if (roles.material >= 0) {
        for (const MaterialFlanges &material : totals.flangesByMaterial()) {
            QList<TakeoffCell> row(ErrorColumn + 1);
            row[LineColumn] = QStringLiteral("法兰");
            row[QuantityColumn] = double(material.flanges);
            row[WeightColumn] = material.weightKg();
            add(row, roles.material, material.material);
        }
    }
    const auto addItem = [&](QList<TakeoffCell> row, BoltingItem item, const QString &material,
                             qint64 count) {
        row[QuantityColumn] = double(count);
        add(row, roles.materialOf(item), boltingMaterialText(roles, item, material));
    };
    for (const BoltTotal &bolt : totals.bolts()) {
        QList<TakeoffCell> row(ErrorColumn + 1);
        row[LineColumn] = fastenerName(bolt.kind);
        row[BoltColumn] = bolt.designation;
        addItem(row, BoltingItem::Bolts, bolt.material, bolt.count);
    }
    for (const NutTotal &nut : totals.nuts()) {
        QList<TakeoffCell> row(ErrorColumn + 1);
        row[LineColumn] = QStringLiteral("螺母");
        row[BoltColumn] = nut.thread;
        addItem(row, BoltingItem::Nuts, nut.material, nut.count);
    }
    for (const GasketTotal &gasket : totals.gaskets()) {
        QList<TakeoffCell> row(ErrorColumn + 1);
        row[LineColumn] = gasketTypeName(gasket);
        row[KindColumn] = gasket.face;
        row[PressureColumn] = gasket.pressureText.toDouble();
        row[DnColumn] = double(gasket.dn);
        addItem(row, BoltingItem::Gaskets, gasket.material, gasket.count);
    }
    return rows;
}

QString boltingMaterialText(const CarriedRoles &roles, BoltingItem item, const QString &material,
                            bool translated)
{
    if (!roles.borrowsMaterial(item) || material.isEmpty())
        return material;
    return translated ? QCoreApplication::translate("Takeoff", "%1 法兰用").arg(material)
                      : QStringLiteral("%1 法兰用").arg(material);
}

QString boltingMaterialLabel(const CarriedRoles &roles, BoltingItem item, const QString &material,
                             bool translated)
{
    if (!material.isEmpty() || roles.materialOf(item) < 0 || roles.borrowsMaterial(item))
        return boltingMaterialText(roles, item, material, translated);
    return translated ? QCoreApplication::translate("Takeoff", "未写材质")
                      : QStringLiteral("未写材质");
}

QString takeoffCellText(const TakeoffCell &cell, int decimals)
{
    if (const double *number = std::get_if<double>(&cell)) {
        if (decimals == PressureDecimals) {
            const QString text = plainNumberText(*number);
            return text.contains(u'.') || text.contains(u'e') || !std::isfinite(*number)
                       ? text
                       : text + QStringLiteral(".0");
        }
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
