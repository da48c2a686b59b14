#include "widgets/onelinelist.h"

#include "widgets/textfitting.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QWheelEvent>
#include <algorithm>

namespace
{

// Rows exactly as tall as the list shows them, so a row's text, centred in its row, is centred
// in the list (a row of a tall font's line would be cut at the list's bottom edge).
class RowAsTallAsTheList : public QStyledItemDelegate
{
public:
    explicit RowAsTallAsTheList(QListWidget *list) : QStyledItemDelegate(list), m_list(list) {}

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(std::max(1, m_list->height() - 2 * m_list->frameWidth()));
        return size;
    }

private:
    QListWidget *m_list;
};

} // namespace

OneLineList::OneLineList(QWidget *parent) : QListWidget(parent)
{
    setItemDelegate(new RowAsTallAsTheList(this));
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &OneLineList::selectShownEntry);
    // The placeholder covers the whole view: repaint it all when the selection comes or goes.
    connect(this, &QListWidget::itemSelectionChanged, viewport(), qOverload<>(&QWidget::update));
}

QString OneLineList::placeholderText()
{
    return QCoreApplication::translate("OneLineList", "请选择");
}

void OneLineList::keyPressEvent(QKeyEvent *event)
{
    const bool upOrDown = event->key() == Qt::Key_Down || event->key() == Qt::Key_Up;
    if (upOrDown && selectedItems().isEmpty() && count() > 0) {
        setCurrentRow(0);
        return;
    }
    QListWidget::keyPressEvent(event);
}

// A native list box scrolls a wheel notch at most a page less one line, and never less than
// one line; on a list one line tall that is one entry (Qt would move three and skip
// pressures). Partial notches of a fine wheel add up to whole ones.
void OneLineList::wheelEvent(QWheelEvent *event)
{
    const int delta = event->inverted() ? -event->angleDelta().y() : event->angleDelta().y();
    if (delta == 0) {
        QListWidget::wheelEvent(event);
        return;
    }
    if ((m_wheelEighths < 0) != (delta < 0))
        m_wheelEighths = 0;
    m_wheelEighths += delta;
    const int notches = m_wheelEighths / QWheelEvent::DefaultDeltasPerStep;
    m_wheelEighths -= notches * QWheelEvent::DefaultDeltasPerStep;
    verticalScrollBar()->setValue(verticalScrollBar()->value() - notches);
    event->accept();
}

void OneLineList::paintEvent(QPaintEvent *event)
{
    if (!selectedItems().isEmpty()) {
        QListWidget::paintEvent(event);
        return;
    }
    // In the list's font, smaller where it would be clipped (a tall Chinese face, a long word).
    const QRect room = viewport()->rect().adjusted(2, 0, -2, 0);
    const QString text = placeholderText();
    QFont shown = font();
    shown.setPointSizeF(largestFittingPointSize(shown.pointSizeF(), [&](qreal size) {
        QFont sized = shown;
        sized.setPointSizeF(size);
        const QFontMetrics metrics(sized);
        return metrics.horizontalAdvance(text) <= room.width() && metrics.height() <= room.height();
    }));
    QPainter painter(viewport());
    painter.setFont(shown);
    painter.setPen(palette().color(QPalette::PlaceholderText));
    painter.drawText(room, Qt::AlignLeft | Qt::AlignVCenter, text);
}

void OneLineList::selectShownEntry()
{
    // From "请选择" the first move shows the first entry, wherever the view had been left.
    if (selectedItems().isEmpty() && count() > 0) {
        const QSignalBlocker quiet(verticalScrollBar());
        setCurrentRow(0);
        scrollToItem(item(0), QAbstractItemView::PositionAtTop);
        return;
    }
    QListWidgetItem *shown = itemAt(1, 1);
    if (shown && !shown->isSelected())
        setCurrentItem(shown);
}
