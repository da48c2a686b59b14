#pragma once

#include <QListWidget>

// A list one line tall, as the query windows have: the entry it shows is the one selected.
// Scrolling it (its arrows, the wheel) selects the entry that comes into view, and on a list
// with nothing selected Up or Down selects the first entry (Qt would move past the first, which
// it makes current without selecting when the list takes the focus).
class OneLineList : public QListWidget
{
public:
    explicit OneLineList(QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void selectShownEntry();

    int m_wheelEighths = 0; // of a degree, not yet a whole notch
};
