#pragma once

#include <QClipboard>
#include <QFont>
#include <QLineEdit>
#include <optional>

// A text box of the designed windows: single-line, editable, left-aligned. It keeps the whole of
// its value in view (a text wider than the box is shown in a smaller size of the box's font) and
// pastes only what it can hold.
class ValueBox : public QLineEdit
{
public:
    // `designedFont`: the box's own font; none for the window's.
    ValueBox(const QString &text, QWidget *parent, const std::optional<QFont> &designedFont);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void pasteFitting(QClipboard::Mode mode);
    void keepTextInView();

    std::optional<QFont> m_designedFont;
};
