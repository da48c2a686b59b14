#pragma once

#include <QListWidget>

// A list one line tall, as the query windows have: the entry it shows is the one selected, and
// with nothing selected it shows no entry but a grey "请选择". Scrolling it (its arrows, the
// wheel) selects the entry that comes into view; from "请选择" the first move down (Up or Down
// on the keyboard) selects the first entry (Qt would move past the first, which it makes current
// without selecting when the list takes the focus).
class OneLineList : public QListWidget
{
public:
    explicit OneLineList(QWidget *parent);

    // What a list with nothing selected shows.
    static QString placeholderText();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void selectShownEntry();

    int m_wheelEighths = 0; // of a degree, not yet a whole notch
};
