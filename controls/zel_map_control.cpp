#include "controls/zel_map_control.h"

#include "controls/zel_painting.h"

#include <QPainter>

ZelMapControl::ZelMapControl(QWidget *parent)
    : QWidget(parent)
{
}

void ZelMapControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(zel::localRect(*this), QColor(226, 232, 208));
    painter.setPen(QColor(200, 208, 180));
    for (int x = 0; x < zel::areaOf(*this).width(); x += 40)
        painter.drawLine(x, 0, x, zel::areaOf(*this).height());
    for (int y = 0; y < zel::areaOf(*this).height(); y += 40)
        painter.drawLine(0, y, zel::areaOf(*this).width(), y);
    painter.setPen(QColor(120, 150, 200));
    painter.drawLine(0, zel::areaOf(*this).height() * 2 / 3, zel::areaOf(*this).width(),
                     zel::areaOf(*this).height() / 3);
}
