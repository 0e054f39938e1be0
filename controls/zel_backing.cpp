#include "controls/zel_backing.h"

#include "controls/zel_painting.h"

#include <QPainter>

ZelBacking::ZelBacking(QWidget *parent)
    : QWidget(parent)
{
}

void ZelBacking::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(zel::localRect(*this), QColor(0, 0, 0, 90));
}
