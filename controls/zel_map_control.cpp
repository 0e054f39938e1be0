#include "controls/zel_map_control.h"

#include <QPainter>

ZelMapControl::ZelMapControl(QWidget *parent)
    : QWidget(parent)
{
}

void ZelMapControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(226, 232, 208));
    painter.setPen(QColor(200, 208, 180));
    for (int x = 0; x < width(); x += 40)
        painter.drawLine(x, 0, x, height());
    for (int y = 0; y < height(); y += 40)
        painter.drawLine(0, y, width(), y);
    painter.setPen(QColor(120, 150, 200));
    painter.drawLine(0, height() * 2 / 3, width(), height() / 3);
}
