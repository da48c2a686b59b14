#include "windows/takeoff/takeoffdelegate.h"

#include "catalogue/flangeinput.h"
#include "takeoff/listunits.h"
#include "takeoff/takeoffline.h"
#include "widgets/describe.h"
#include "windows/takeoff/takeofftablemodel.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>

namespace
{

// The program's column a cell is in; nullopt for a column the list carries.
std::optional<TakeoffTableModel::Column> columnOf(const QModelIndex &index)
{
    const auto *model = qobject_cast<const TakeoffTableModel *>(index.model());
    return model ? model->programColumn(index.column()) : std::nullopt;
}

// The kind a line asks for, plate when it names none that can be read.
FlangeKind lineKind(const QModelIndex &index)
{
    const auto *model = static_cast<const TakeoffTableModel *>(index.model());
    const QString text = index.siblingAtColumn(model->viewColumn(TakeoffTableModel::Kind))
                             .data(Qt::EditRole)
                             .toString();
    return readFlangeKind(text).value_or(FlangeKind::Plate);
}

QComboBox *choice(QWidget *parent, const QString &name)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(QStringLiteral("choice"));
    describe(box, name);
    return box;
}

} // namespace

QWidget *TakeoffDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                       const QModelIndex &index) const
{
    const std::optional<TakeoffTableModel::Column> column = columnOf(index);
    if (!column)
        return QStyledItemDelegate::createEditor(parent, option, index);
    switch (*column) {
    case TakeoffTableModel::Kind: {
        QComboBox *box = choice(parent, tr("类型"));
        for (FlangeKind kind : AllFlangeKinds)
            box->addItem(QStringLiteral("%1 %2").arg(kindName(kind), kindCode(kind)),
                         kindCode(kind));
        return box;
    }
    case TakeoffTableModel::Pressure: {
        QComboBox *box = choice(parent, tr("公称压力（MPa）"));
        for (const QString &text : pressureTexts(lineKind(index)))
            box->addItem(text, text);
        return box;
    }
    case TakeoffTableModel::Series: {
        QComboBox *box = choice(parent, tr("系列"));
        for (PipeSeries series : AllPipeSeries)
            box->addItem(seriesText(series), seriesText(series));
        return box;
    }
    case TakeoffTableModel::Quantity: {
        auto *spin = new QSpinBox(parent);
        spin->setRange(1, int(MaxTakeoffQuantity));
        describe(spin, tr("数量"), tr("片"));
        return spin;
    }
    default: {
        QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
        describe(editor, tr("公称直径"), QStringLiteral("DN"));
        return editor;
    }
    }
}

void TakeoffDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    const QString text = index.data(Qt::EditRole).toString();
    if (auto *box = qobject_cast<QComboBox *>(editor)) {
        // The entry the written text means, read as the command reads it.
        const FlangeKind kind = lineKind(index);
        const std::optional<TakeoffTableModel::Column> column = columnOf(index);
        const auto entryOf = [&](QStringView written) -> std::optional<int> {
            switch (column.value_or(TakeoffTableModel::Pressure)) {
            case TakeoffTableModel::Kind: {
                const std::optional<FlangeKind> named = readFlangeKind(written);
                return named ? std::optional<int>(int(*named)) : std::nullopt;
            }
            case TakeoffTableModel::Series: {
                const std::optional<PipeSeries> series = readSeries(written);
                return series ? std::optional<int>(int(*series)) : std::nullopt;
            }
            default: {
                // The row of the rating in the kind's list, as the list shows them.
                const std::optional<Rating> rating = readPressure(kind, written);
                return rating ? std::optional<int>(int(listedRatings(kind).indexOf(*rating)))
                              : std::nullopt;
            }
            }
        };
        const std::optional<int> wanted = entryOf(text);
        int found = -1;
        for (int i = 0; i < box->count() && found < 0 && wanted; ++i) {
            if (entryOf(box->itemData(i).toString()) == wanted)
                found = i;
        }
        box->setCurrentIndex(std::max(found, 0));
    } else if (auto *spin = qobject_cast<QSpinBox *>(editor)) {
        spin->setValue(int(readPieces(text, MaxTakeoffQuantity).value_or(1)));
    } else {
        QStyledItemDelegate::setEditorData(editor, index);
    }
}

void TakeoffDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                   const QModelIndex &index) const
{
    if (auto *box = qobject_cast<QComboBox *>(editor))
        model->setData(index, box->currentData(), Qt::EditRole);
    else if (auto *spin = qobject_cast<QSpinBox *>(editor))
        model->setData(index, QString::number(spin->value()), Qt::EditRole);
    else
        QStyledItemDelegate::setModelData(editor, model, index);
}

void TakeoffDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                           const QModelIndex &index) const
{
    QStyledItemDelegate::updateEditorGeometry(editor, option, index);
    QRect place = editor->geometry();
    place.setWidth(std::max(place.width(), editor->minimumSizeHint().width()));
    // Kept inside the table where it can be: moved left from the last columns.
    if (const QWidget *viewport = editor->parentWidget())
        place.moveRight(std::min(place.right(), viewport->width() - 1));
    place.moveLeft(std::max(place.left(), 0));
    editor->setGeometry(place);
}
