#include "widgets/textfitting.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>

namespace
{

constexpr qreal SmallestPointSize = 6.0;
constexpr qreal Step = 0.25;

int mostStepsDown(qreal designedSize)
{
    return std::max(0, int((designedSize - SmallestPointSize) / Step));
}

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

} // namespace

qreal largestFittingPointSize(qreal designedSize, const std::function<bool(qreal)> &fits)
{
    const auto sizeAt = [designedSize](int steps) { return designedSize - steps * Step; };
    if (fits(designedSize))
        return designedSize;
    // The fewest steps down at which the text fits, between 1 and the most there are.
    const int most = mostStepsDown(designedSize);
    int low = 1;
    int high = most;
    while (low < high) {
        const int middle = (low + high) / 2;
        if (fits(sizeAt(middle)))
            high = middle;
        else
            low = middle + 1;
    }
    return sizeAt(std::min(low, most));
}

qreal smallestFittingPointSize(qreal designedSize)
{
    return designedSize - mostStepsDown(designedSize) * Step;
}

void fitCaptions(QWidget *window)
{
    const auto controls = window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (QWidget *control : controls) {
        // Some faces (Noto CJK) set their glyphs low in a tall line: a one-line label whose
        // line is taller than the label is centred on it before any smaller size is tried.
        auto *label = qobject_cast<QLabel *>(control);
        if (label && !label->wordWrap() && !captionFits(label) &&
            label->fontMetrics().height() > label->contentsRect().height())
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        if (captionFits(control))
            continue;
        QFont font = control->font();
        font.setPointSizeF(largestFittingPointSize(font.pointSizeF(), [&](qreal size) {
            QFont tried = font;
            tried.setPointSizeF(size);
            control->setFont(tried);
            return captionFits(control);
        }));
        control->setFont(font);
    }
}
