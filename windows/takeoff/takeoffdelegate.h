#pragma once

#include <QStyledItemDelegate>

// The editors of the take-off's input cells: a choice of the three kinds, of the kind's listed
// pressures and of the two series; a spin box for the quantity; a text box for the DN (which
// may be written "DN100").
class TakeoffDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;
    // An editor at least as wide as it needs to show its choice and its arrow, which a narrow
    // column ("系列") would not give it.
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;
};
