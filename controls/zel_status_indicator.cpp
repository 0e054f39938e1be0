#include "controls/zel_status_indicator.h"

#include "controls/zel_painting.h"

#include <QPainter>

ZelStatusIndicator::ZelStatusIndicator(QWidget *parent)
    : QWidget(parent)
{
}

void ZelStatusIndicator::setImages(const QStringList &paths)
{
    m_images = paths;
    update();
}

void ZelStatusIndicator::setStatus(int index)
{
    m_status = index;
    update();
}

void ZelStatusIndicator::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    zel::drawImage(painter, zel::localRect(*this), zel::imageAt(m_images, m_status));
}
