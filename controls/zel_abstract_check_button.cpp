#include "controls/zel_abstract_check_button.h"

#include "controls/zel_painting.h"

#include <QPainter>

ZelAbstractCheckButton::ZelAbstractCheckButton(QWidget *parent)
    : ZelPushButton(parent)
{
}

void ZelAbstractCheckButton::setCheckedImg(const ZelPicture &image)
{
    m_checkedImg = image;
    update();
}

void ZelAbstractCheckButton::setUncheckedImg(const ZelPicture &image)
{
    m_uncheckedImg = image;
    update();
}

void ZelAbstractCheckButton::setMarkPosition(const QPoint &position)
{
    m_markPosition = position;
    update();
}

void ZelAbstractCheckButton::paintEvent(QPaintEvent *event)
{
    ZelPushButton::paintEvent(event);
    const QPixmap &mark = (isChecked() ? m_checkedImg : m_uncheckedImg).pixmap();
    if (mark.isNull())
        return;
    QPainter painter(this);
    QSize markSize = iconSize().boundedTo(mark.size());
    if (markSize.isEmpty())
        markSize = mark.size();
    zel::drawImage(painter, QRect(zel::clamped(QPointF(m_markPosition) + QPointF(currentShift())), markSize), mark);
}
