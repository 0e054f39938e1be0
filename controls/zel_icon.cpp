#include "controls/zel_icon.h"

#include "controls/zel_painting.h"

#include <QPainter>

ZelIcon::ZelIcon(QWidget *parent)
    : QWidget(parent)
{
}

void ZelIcon::setImage(const ZelPicture &image)
{
    m_image = image;
    update();
}

void ZelIcon::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    zel::drawImage(painter, zel::localRect(*this), m_image);
}
