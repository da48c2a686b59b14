#include "widgets/valuebox.h"

#include "widgets/textfitting.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>

namespace
{

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

} // namespace

ValueBox::ValueBox(const QString &text, QWidget *parent, const std::optional<QFont> &designedFont)
    : QLineEdit(text, parent), m_designedFont(designedFont)
{
    if (designedFont)
        setFont(*designedFont);
    connect(this, &QLineEdit::textChanged, this, &ValueBox::keepTextInView);
}

// A scrolled box would hide a value's leading digits (114.3 read as 14.3). A text with more
// characters than the box has pixels cannot be shown whole at any legible size: it gets the
// smallest size unmeasured, so a pasted megabyte costs no more than a value.
void ValueBox::keepTextInView()
{
    QFont font = m_designedFont.value_or(parentWidget()->font());
    const qreal designedSize = font.pointSizeF();
    font.setPointSizeF(text().size() > width()
                           ? smallestFittingPointSize(designedSize)
                           : largestFittingPointSize(designedSize, [&](qreal size) {
                                 QFont tried = font;
                                 tried.setPointSizeF(size);
                                 return textFits(this, tried);
                             }));
    if (font == this->font())
        return;
    // Back to the designed font: the window's own when none was given.
    setFont(m_designedFont || font != parentWidget()->font() ? font : QFont());
}

// Qt's line edit copies the pasted text's first maxLength characters once per character it
// inserts, so a pasted megabyte stalls it for a tenth of a second; cut to what fits first, the
// same paste inserts in one copy.
void ValueBox::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Paste) && !isReadOnly())
        return pasteFitting(QClipboard::Clipboard);
    QLineEdit::keyPressEvent(event);
}

void ValueBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection() &&
        !isReadOnly()) {
        deselect();
        return pasteFitting(QClipboard::Selection);
    }
    QLineEdit::mouseReleaseEvent(event);
}

void ValueBox::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (QAction *paste = menu->findChild<QAction *>(QStringLiteral("edit-paste"))) {
        paste->disconnect();
        connect(paste, &QAction::triggered, this, [this] { pasteFitting(QClipboard::Clipboard); });
    }
    menu->popup(event->globalPos());
}

void ValueBox::pasteFitting(QClipboard::Mode mode)
{
    const QString pasted = QGuiApplication::clipboard()->text(mode);
    if (pasted.isEmpty() && !hasSelectedText())
        return;
    const qsizetype kept = text().size() - selectedText().size();
    insert(pasted.left(std::max<qsizetype>(0, maxLength() - kept)));
}
