#include "controls/zel_animation_ctrl.h"

#include "controls/zel_painting.h"

#include <QPainter>

ZelAnimationCtrl::ZelAnimationCtrl(QWidget *parent)
    : QWidget(parent)
{
}

void ZelAnimationCtrl::setImageList(const QStringList &paths)
{
    m_imageList = paths;
    update();
}

void ZelAnimationCtrl::setInterval(int milliseconds)
{
    m_interval = milliseconds;
}

void ZelAnimationCtrl::setIsLooped(bool looped)
{
    m_looped = looped;
}

void ZelAnimationCtrl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    zel::drawImage(painter, zel::localRect(*this), zel::imageAt(m_imageList, 0));
}
