#include "controls/zel_north_up_widget.h"

#include "controls/zel_painting.h"

#include <QPainter>

ZelNorthUpWidget::ZelNorthUpWidget(QWidget *parent)
    : QWidget(parent)
{
}

void ZelNorthUpWidget::setNorth(const ZelPicture &image)
{
    m_north = image;
    update();
}

void ZelNorthUpWidget::setArrow(const ZelPicture &image)
{
    m_arrow = image;
    update();
}

void ZelNorthUpWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    zel::drawImage(painter, zel::localRect(*this), m_north);
    zel::drawImage(painter, zel::localRect(*this), m_arrow);
}
