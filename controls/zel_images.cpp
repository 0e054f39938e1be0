#include "controls/zel_images.h"

#include "controls/zel_painting.h"

#include <QPainter>

ZelIcon::ZelIcon(QWidget *parent)
    : QWidget(parent)
{
}

void ZelIcon::setImage(const QPixmap &image)
{
    m_image = image;
    update();
}

void ZelIcon::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    zel::drawImage(painter, rect(), m_image);
}

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
    zel::drawImage(painter, rect(), zel::imageAt(m_images, m_status));
}

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
    zel::drawImage(painter, rect(), zel::imageAt(m_imageList, 0));
}

ZelBacking::ZelBacking(QWidget *parent)
    : QWidget(parent)
{
}

void ZelBacking::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0, 0, 0, 90));
}

ZelWidget::ZelWidget(QWidget *parent)
    : QWidget(parent)
{
}

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
