#include "controls/zel_backing.h"

#include <QPainter>

ZelBacking::ZelBacking(QWidget *parent)
    : QWidget(parent)
{
}

void ZelBacking::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0, 0, 0, 90));
}
