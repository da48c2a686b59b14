#include "windows/takeoff/takeofftotalstable.h"

#include "takeoff/takeofftotals.h"
#include "takeoff/takeoffwriter.h"

#include <QHeaderView>
#include <QScrollBar>

namespace
{

struct TotalRow {
    QString item;
    QString designation;
    QString material;
    QString count;
    QString unit;
};

QTableWidgetItem *cell(const QString &text, Qt::Alignment alignment)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}

} // namespace

TakeoffTotalsTable::TakeoffTotalsTable(QWidget *parent) : QTableWidget(0, ColumnCount, parent)
{
    setHorizontalHeaderLabels({tr("名称"), tr("规格"), tr("材质"), tr("数量"), tr("单位")});
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    horizontalHeader()->setStretchLastSection(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setWordWrap(false);
}

void TakeoffTotalsTable::showTotals(const TakeoffTotals &totals, const CarriedRoles &roles)
{
    QList<TotalRow> rows;
    if (totals.exceeded().isEmpty()) {
        rows.append({tr("法兰"), {}, {}, QString::number(totals.flanges()), tr("片")});
        rows.append(
            {tr("总重"), {}, {}, takeoffCellText(totals.weightKg(), 2), QStringLiteral("kg")});
        // Lines without a material beside lines with one are counted apart: say so.
        const auto material = [&](BoltingItem item, const QString &text) {
            const QString label = boltingMaterialLabel(roles, item, text, true);
            return label.isEmpty() && roles.materialOf(item) >= 0 ? tr("未写材质") : label;
        };
        totals.forEachItem([&](const TotalsItem &item) {
            if (const auto *group = std::get_if<MaterialFlanges>(&item)) {
                if (roles.material < 0)
                    return;
                const QString name = group->material.isEmpty() ? tr("未写材质") : group->material;
                rows.append({tr("法兰"), {}, name, QString::number(group->flanges), tr("片")});
                rows.append({tr("重量"),
                             {},
                             name,
                             takeoffCellText(group->weightKg(), 2),
                             QStringLiteral("kg")});
            } else if (const auto *bolt = std::get_if<BoltTotal>(&item)) {
                rows.append({fastenerName(bolt->kind, true), bolt->designation,
                             material(BoltingItem::Bolts, bolt->material),
                             QString::number(bolt->count), tr("根")});
            } else if (const auto *nut = std::get_if<NutTotal>(&item)) {
                rows.append({nutName(*nut, true), nut->thread, material(BoltingItem::Nuts, nut->material),
                             QString::number(nut->count), tr("个")});
            } else if (const auto *gasket = std::get_if<GasketTotal>(&item)) {
                rows.append({gasketTypeName(*gasket, true), gasketDesignation(*gasket),
                             material(BoltingItem::Gaskets, gasket->material),
                             QString::number(gasket->count), tr("片")});
            }
        });
    }
    bool anyMaterial = false;
    setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        const TotalRow &row = rows.at(r);
        anyMaterial = anyMaterial || !row.material.isEmpty();
        setItem(r, Item, cell(row.item, Qt::AlignLeft));
        setItem(r, Designation, cell(row.designation, Qt::AlignLeft));
        setItem(r, Material, cell(row.material, Qt::AlignLeft));
        setItem(r, Count, cell(row.count, Qt::AlignRight));
        setItem(r, Unit, cell(row.unit, Qt::AlignLeft));
    }
    setColumnHidden(Material, !anyMaterial);
    updateGeometry();
}

QSize TakeoffTotalsTable::sizeHint() const
{
    // As wide as its columns, so it stands beside the lines without taking their room.
    int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < ColumnCount; ++column)
        if (!isColumnHidden(column))
            width += horizontalHeader()->sectionSize(column);
    return {width, QTableWidget::sizeHint().height()};
}
