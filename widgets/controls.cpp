#include "widgets/controls.h"

#include "widgets/linecontrol.h"
#include "widgets/onelinelist.h"
#include "widgets/picturecontrol.h"
#include "widgets/twips.h"
#include "widgets/valuebox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace
{

// Enter (Return or the keypad's Enter) on a focused push button presses it, as a native
// button does; Qt leaves it to the default button of a dialog.
class EnterPresses : public QObject
{
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        static_cast<QPushButton *>(watched)->click();
        return true;
    }
};

void place(QWidget *control, const QString &name, const QRect &twipsGeometry,
           const std::optional<QFont> &font)
{
    control->setObjectName(name);
    control->setGeometry(twipsGeometry);
    if (font)
        control->setFont(*font);
}

} // namespace

void designWindow(QWidget *window, const WindowDesign &design)
{
    // The controls stand at designed places: the window keeps its size and offers no maximise.
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint);
    window->setObjectName(design.name);
    window->setWindowTitle(design.caption);
    const QSize client(twips(design.clientWidth), twips(design.clientHeight));
    if (design.clientPosition)
        window->setGeometry(
            QRect(twipsPoint(design.clientPosition->x(), design.clientPosition->y()), client));
    else
        window->resize(client);
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window,
                     design.background.value_or(QApplication::palette().color(QPalette::Button)));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    window->setFixedSize(client);
}

QPushButton *addButton(QWidget *parent, const QString &name, const QString &caption,
                       const QRect &twipsGeometry, const std::optional<QFont> &font)
{
    auto *button = new QPushButton(caption, parent);
    place(button, name, twipsGeometry, font);
    button->setAutoDefault(false);
    static EnterPresses enterPresses;
    button->installEventFilter(&enterPresses);
    return button;
}

QLabel *addLabel(QWidget *parent, const QString &name, const QString &caption,
                 const QRect &twipsGeometry, const std::optional<QFont> &font)
{
    auto *label = new QLabel(caption, parent);
    place(label, name, twipsGeometry, font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QLineEdit *addTextBox(QWidget *parent, const QString &name, const QRect &twipsGeometry,
                      const QString &initialText, const std::optional<QFont> &font)
{
    auto *box = new ValueBox(initialText, parent, font);
    place(box, name, twipsGeometry, font);
    box->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    box->setCursorPosition(0);
    return box;
}

QListWidget *addList(QWidget *parent, const QString &name, const QRect &twipsGeometry,
                     const std::optional<QFont> &font)
{
    auto *list = new OneLineList(parent);
    place(list, name, twipsGeometry, font);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

QWidget *addLine(QWidget *parent, const QString &name, QPoint fromTwips, QPoint toTwips, int width)
{
    auto *line = new LineControl(parent, twipsPoint(fromTwips.x(), fromTwips.y()),
                                 twipsPoint(toTwips.x(), toTwips.y()), width);
    line->setObjectName(name);
    return line;
}

QWidget *addPicture(QWidget *parent, const QString &name, const QString &svgResource,
                    const QRect &twipsGeometry)
{
    auto *picture = new PictureControl(parent, svgResource);
    place(picture, name, twipsGeometry, std::nullopt);
    picture->lower(); // the boxes stand on the drawing
    return picture;
}

QString arrayName(const QString &name, int index)
{
    return QStringLiteral("%1(%2)").arg(name).arg(index);
}

void setTabSequence(std::initializer_list<QWidget *> widgetsInTabOrder)
{
    QWidget *previous = nullptr;
    for (QWidget *widget : widgetsInTabOrder) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}
