#include "widgets/controls.h"

#include "widgets/twips.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPixmapCache>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QStyledItemDelegate>
#include <QSvgRenderer>
#include <QWheelEvent>
#include <algorithm>

namespace
{

// A straight line control: paints the segment between two points of its parent.
class LineControl : public QWidget
{
public:
    LineControl(QWidget *parent, QPoint from, QPoint to, int width)
        : QWidget(parent), m_width(std::max(width, 1))
    {
        const int margin = (m_width + 1) / 2;
        const QRect box = QRect(from, to).normalized().adjusted(-margin, -margin, margin, margin);
        setGeometry(box);
        m_from = from - box.topLeft();
        m_to = to - box.topLeft();
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(QPen(Qt::black, m_width, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(m_from, m_to);
    }

private:
    int m_width;
    QPoint m_from;
    QPoint m_to;
};

// One parsed renderer per drawing for the whole run.
QSvgRenderer *sharedRenderer(const QString &resource)
{
    static QHash<QString, QPointer<QSvgRenderer>> renderers;
    QPointer<QSvgRenderer> &renderer = renderers[resource];
    if (!renderer)
        renderer = new QSvgRenderer(resource, qApp);
    return renderer;
}

class PictureControl : public QWidget
{
public:
    PictureControl(QWidget *parent, const QString &resource)
        : QWidget(parent), m_resource(resource), m_renderer(sharedRenderer(resource))
    {
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    // Rendering the drawing costs far more than copying it, and every box written on it repaints
    // what lies beneath: render it once per size and scale for the run, copy it at every paint.
    void paintEvent(QPaintEvent *) override
    {
        const qreal scale = devicePixelRatioF();
        const QString key =
            QStringLiteral("%1 %2x%3@%4").arg(m_resource).arg(width()).arg(height()).arg(scale);
        QPixmap drawing;
        if (!QPixmapCache::find(key, &drawing)) {
            drawing = QPixmap(size() * scale);
            drawing.setDevicePixelRatio(scale);
            drawing.fill(Qt::transparent);
            QPainter painter(&drawing);
            painter.setRenderHint(QPainter::Antialiasing);
            m_renderer->render(&painter, QRectF(rect()));
            painter.end();
            QPixmapCache::insert(key, drawing);
        }
        QPainter(this).drawPixmap(0, 0, drawing);
    }

private:
    QString m_resource;
    QSvgRenderer *m_renderer;
};

// Whether the caption of a label or button is drawn whole at the control's present font, with
// a bare pixel to spare on the right and below (antialiased and overhanging glyphs need it).
bool captionFits(const QWidget *control)
{
    const QFontMetrics metrics = control->fontMetrics();
    // The pixels a line of text covers when drawn at the top left corner.
    const auto inkSize = [&](const QString &text) {
        const QRect ink = metrics.boundingRect(text);
        return QSize(std::max(metrics.horizontalAdvance(text), ink.right() + 1),
                     metrics.ascent() + ink.bottom() + 1);
    };
    if (const auto *label = qobject_cast<const QLabel *>(control)) {
        const QRect room = label->contentsRect();
        if (label->wordWrap())
            return label->heightForWidth(room.width() - 1) < room.height();
        const QString text = label->text();
        if (label->alignment() & Qt::AlignVCenter) {
            // The line is centred: what counts is where its glyphs' ink falls.
            const QRect ink = metrics.tightBoundingRect(text);
            const qreal baseline = (room.height() - metrics.height()) / 2.0 + metrics.ascent();
            return inkSize(text).width() < room.width() && baseline + ink.top() >= 0 &&
                   baseline + ink.bottom() + 1 < room.height();
        }
        // Otherwise labels draw their caption at the top.
        const QSize ink = inkSize(text);
        return ink.width() < room.width() && ink.height() < room.height();
    }
    if (const auto *button = qobject_cast<const QPushButton *>(control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect room =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        // Buttons centre their caption.
        return inkSize(button->text()).width() < room.width() && metrics.height() <= room.height();
    }
    return true;
}

// Whether a box shows the whole of its text at the given font, without scrolling it.
bool textFits(const QLineEdit *box, const QFont &font)
{
    constexpr int TextMargin = 2; // the box's own margin on each side of its text
    constexpr int Caret = 1;
    QStyleOptionFrame option;
    option.initFrom(box);
    option.lineWidth =
        box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
    const QRect room = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(box->text()) + 2 * TextMargin + Caret <= room.width();
}

// Keeps the whole of a value in view: a scrolled box would hide its leading digits (114.3 read
// as 14.3), so a text wider than the box is shown in a smaller size of the box's font, and in
// the box's own font again once the text fits. A text with more characters than the box has
// pixels cannot be shown whole at any legible size: it gets the smallest size unmeasured, so a
// pasted megabyte costs no more than a value. Otherwise a few measurements find the largest size
// that fits, the sizes being steps of a quarter point.
void keepTextInView(QLineEdit *box, const std::optional<QFont> &designedFont)
{
    QObject::connect(box, &QLineEdit::textChanged, box, [box, designedFont] {
        constexpr qreal SmallestPointSize = 6.0;
        constexpr qreal Step = 0.25;
        QFont font = designedFont.value_or(box->parentWidget()->font());
        const qreal designedSize = font.pointSizeF();
        const auto sizeAt = [&](int steps) { return designedSize - steps * Step; };
        const int mostSteps = std::max(0, int((designedSize - SmallestPointSize) / Step));
        if (box->text().size() > box->width()) {
            font.setPointSizeF(sizeAt(mostSteps));
        } else if (!textFits(box, font)) {
            // The fewest steps down at which the text fits, between 1 and mostSteps.
            int low = 1;
            int high = mostSteps;
            while (low < high) {
                const int middle = (low + high) / 2;
                font.setPointSizeF(sizeAt(middle));
                if (textFits(box, font))
                    high = middle;
                else
                    low = middle + 1;
            }
            font.setPointSizeF(sizeAt(std::min(low, mostSteps)));
        }
        if (font == box->font())
            return;
        // Back to the designed font: the window's own when none was given.
        box->setFont(designedFont || font != box->parentWidget()->font() ? font : QFont());
    });
}

// A text box that pastes only what it can hold. Qt's line edit copies the pasted text's first
// maxLength characters once per character it inserts, so a pasted megabyte stalls it for a
// tenth of a second; cut to what fits first, the same paste inserts in one copy.
class ValueBox : public QLineEdit
{
public:
    ValueBox(const QString &text, QWidget *parent) : QLineEdit(text, parent) {}

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->matches(QKeySequence::Paste) && !isReadOnly())
            return pasteFitting(QClipboard::Clipboard);
        QLineEdit::keyPressEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::MiddleButton &&
            QGuiApplication::clipboard()->supportsSelection() && !isReadOnly()) {
            deselect();
            return pasteFitting(QClipboard::Selection);
        }
        QLineEdit::mouseReleaseEvent(event);
    }
    void contextMenuEvent(QContextMenuEvent *event) override
    {
        QMenu *menu = createStandardContextMenu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        if (QAction *paste = menu->findChild<QAction *>(QStringLiteral("edit-paste"))) {
            paste->disconnect();
            connect(paste, &QAction::triggered, this,
                    [this] { pasteFitting(QClipboard::Clipboard); });
        }
        menu->popup(event->globalPos());
    }

private:
    void pasteFitting(QClipboard::Mode mode)
    {
        const QString pasted = QGuiApplication::clipboard()->text(mode);
        if (pasted.isEmpty() && !hasSelectedText())
            return;
        const qsizetype kept = text().size() - selectedText().size();
        insert(pasted.left(std::max<qsizetype>(0, maxLength() - kept)));
    }
};

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

// A list one line tall, as the query windows have: the entry it shows is the one selected.
// Scrolling it (its arrows, the wheel) selects the entry that comes into view, and on a list
// with nothing selected Up or Down selects the first entry (Qt would move past the first, which
// it makes current without selecting when the list takes the focus).
class OneLineList : public QListWidget
{
public:
    explicit OneLineList(QWidget *parent) : QListWidget(parent)
    {
        setItemDelegate(new RowAsTallAsTheList(this));
        connect(verticalScrollBar(), &QScrollBar::valueChanged, this,
                &OneLineList::selectShownEntry);
    }

protected:
    void keyPressEvent(QKeyEvent *event) override
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
    void wheelEvent(QWheelEvent *event) override
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

private:
    int m_wheelEighths = 0; // of a degree, not yet a whole notch
    void selectShownEntry()
    {
        QListWidgetItem *shown = itemAt(1, 1);
        if (shown && !shown->isSelected())
            setCurrentItem(shown);
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
    auto *box = new ValueBox(initialText, parent);
    place(box, name, twipsGeometry, font);
    box->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    box->setCursorPosition(0);
    keepTextInView(box, font);
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

void fitCaptions(QWidget *window)
{
    constexpr qreal SmallestPointSize = 6.0;
    constexpr qreal Step = 0.25;
    const auto controls = window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (QWidget *control : controls) {
        // Some faces (Noto CJK) set their glyphs low in a tall line: a one-line label whose
        // line is taller than the label is centred on it before any smaller size is tried.
        auto *label = qobject_cast<QLabel *>(control);
        if (label && !label->wordWrap() && !captionFits(label) &&
            label->fontMetrics().height() > label->contentsRect().height())
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        QFont font = control->font();
        while (!captionFits(control) && font.pointSizeF() - Step >= SmallestPointSize) {
            font.setPointSizeF(font.pointSizeF() - Step);
            control->setFont(font);
        }
    }
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
