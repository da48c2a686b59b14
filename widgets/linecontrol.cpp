#include "widgets/linecontrol.h"

#include <QPainter>
#include <algorithm>

LineControl::LineControl(QWidget *parent, QPoint from, QPoint to, int width)
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

void LineControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, m_width, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(m_from, m_to);
}
