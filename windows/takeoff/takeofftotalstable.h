#pragma once

#include <QTableWidget>

struct CarriedRoles;
class TakeoffTotals;

// The take-off's totals as a table beside the lines: what is counted (法兰, 螺栓, 螺母, 垫片), its
// designation, the material it is counted for, and the count with its unit; the flanges' weight
// in its own row. One row a total, so a designation never breaks across lines.
class TakeoffTotalsTable : public QTableWidget
{
    Q_OBJECT
public:
    enum Column { Item, Designation, Material, Count, Unit, ColumnCount };

    explicit TakeoffTotalsTable(QWidget *parent = nullptr);

    // The rows of these totals, the flanges by material and each bolting item under the material
    // it is ordered in (its own column's, else what it serves: "S30408 法兰用"), when the list's
    // columns `roles` name one; the material column only while a material is named. A total past
    // what can be given exactly shows nothing: the window says why.
    void showTotals(const TakeoffTotals &totals, const CarriedRoles &roles);

    QSize sizeHint() const override;
};
