#pragma once

#include <QPoint>
#include <QWidget>

// A straight line control: paints the segment between two points of its parent, in pixels, with
// a width in pixels; it takes neither focus nor mouse.
class LineControl : public QWidget
{
public:
    LineControl(QWidget *parent, QPoint from, QPoint to, int width);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    int m_width;
    QPoint m_from;
    QPoint m_to;
};
