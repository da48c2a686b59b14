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
    cells[PressureColumn] =
        line.flangeClass   ? TakeoffCell(QStringLiteral("Class ") + ratingText(*line.flangeClass))
        : line.pressureMpa ? TakeoffCell(*line.pressureMpa)
                           : written(1);
    // The Class series has no pipe series.
    cells[SeriesColumn] = line.flangeClass ? TakeoffCell()
                          : line.series    ? TakeoffCell(seriesText(*line.series))
                                           : written(2);
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

const QList<TakeoffCell> &takeoffTotalsHeader()
{
    static const QList<TakeoffCell> header = {QStringLiteral("合计"), QStringLiteral("规格"),
                                              QStringLiteral("材质"), QStringLiteral("数量"),
                                              QStringLiteral("单位")};
    return header;
}

void forEachTotalsRow(const TakeoffTotals &totals, const CarriedColumns &carried,
                      const std::function<void(const QList<TakeoffCell> &row)> &visit)
{
    const auto add = [&](const QString &item, const QString &designation, const QString &material,
                         double amount, const QString &unit) {
        const auto text = [](const QString &t) { return t.isEmpty() ? TakeoffCell() : t; };
        visit({item, text(designation), text(material), amount, unit});
    };
    if (const QString exceeded = totals.exceeded(); !exceeded.isEmpty()) {
        // No number rather than a wrong one.
        QList<TakeoffCell> row(TotalsColumnCount);
        row[TotalsItemColumn] = exceeded;
        visit(row);
        return;
    }
    const QString pieces = QStringLiteral("片");
    const QString kg = QStringLiteral("kg");
    add(QStringLiteral("法兰总数"), {}, {}, double(totals.flanges()), pieces);
    add(QStringLiteral("总重"), {}, {}, totals.weightKg(), kg);
    const CarriedRoles roles = carriedRoles(carried);
    totals.forEachItem([&](const TotalsItem &item) {
        if (const auto *material = std::get_if<MaterialFlanges>(&item)) {
            if (roles.material < 0)
                return;
            add(QStringLiteral("法兰"), {}, material->material, double(material->flanges), pieces);
            add(QStringLiteral("重量"), {}, material->material, material->weightKg(), kg);
        } else if (const auto *bolt = std::get_if<BoltTotal>(&item)) {
            add(fastenerName(bolt->kind), bolt->designation,
                boltingMaterialText(roles, BoltingItem::Bolts, bolt->material), double(bolt->count),
                QStringLiteral("根"));
        } else if (const auto *nut = std::get_if<NutTotal>(&item)) {
            add(nutName(*nut), nut->thread,
                boltingMaterialText(roles, BoltingItem::Nuts, nut->material), double(nut->count),
                QStringLiteral("个"));
        } else if (const auto *gasket = std::get_if<GasketTotal>(&item)) {
            add(gasketTypeName(*gasket), gasketDesignation(*gasket),
                boltingMaterialText(roles, BoltingItem::Gaskets, gasket->material),
                double(gasket->count), pieces);
        }
    });
    if (totals.failedLines() > 0)
        add(QStringLiteral("未计入的行"), {}, {}, double(totals.failedLines()),
            QStringLiteral("行"));
}

QList<QList<TakeoffCell>> takeoffTotalsBlock(const TakeoffTotals &totals,
                                             const CarriedColumns &carried)
{
    QList<QList<TakeoffCell>> rows;
    forEachTotalsRow(totals, carried, [&](const QList<TakeoffCell> &row) { rows.append(row); });
    return rows;
}

int takeoffTotalsDecimals(const QList<TakeoffCell> &row, qsizetype column)
{
    const QString *unit = std::get_if<QString>(&row.at(TotalsUnitColumn));
    return column == TotalsAmountColumn && unit && *unit == u"kg" ? 2 : -1;
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
