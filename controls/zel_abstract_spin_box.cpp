#include "controls/zel_abstract_spin_box.h"

#include "controls/zel_painting.h"

#include <QMouseEvent>
#include <QPainter>

ZelAbstractSpinBox::ZelAbstractSpinBox(QWidget *parent)
    : QWidget(parent)
{
}

void ZelAbstractSpinBox::setBackground(const ZelPicture &image)
{
    m_background = image;
    update();
}

void ZelAbstractSpinBox::setUpArrowNormal(const ZelPicture &image)
{
    m_upArrowNormal = image;
    update();
}

void ZelAbstractSpinBox::setUpArrowPressed(const ZelPicture &image)
{
    m_upArrowPressed = image;
    update();
}

void ZelAbstractSpinBox::setDownArrowNormal(const ZelPicture &image)
{
    m_downArrowNormal = image;
    update();
}

void ZelAbstractSpinBox::setDownArrowPressed(const ZelPicture &image)
{
    m_downArrowPressed = image;
    update();
}

void ZelAbstractSpinBox::setCyclic(bool cyclic)
{
    m_cyclic = cyclic;
}

void ZelAbstractSpinBox::setBlocking(bool blocking)
{
    m_blocking = blocking;
}

void ZelAbstractSpinBox::setFontSize(int pointSize)
{
    m_fontSize = pointSize;
    update();
}

QRect ZelAbstractSpinBox::upArrowRect() const
{
    const QSize size = m_upArrowNormal.isNull() ? QSize(zel::areaOf(*this).width(), zel::areaOf(*this).height() / 4)
                                                : m_upArrowNormal.size();
    return QRect(QPoint((zel::areaOf(*this).width() - size.width()) / 2, 0), size);
}

QRect ZelAbstractSpinBox::downArrowRect() const
{
    const QSize size = m_downArrowNormal.isNull() ? QSize(zel::areaOf(*this).width(), zel::areaOf(*this).height() / 4)
                                                  : m_downArrowNormal.size();
    return QRect(QPoint((zel::areaOf(*this).width() - size.width()) / 2, zel::areaOf(*this).height() - size.height()),
                 size);
}

int ZelAbstractSpinBox::steppedPosition(int current, int steps, int first, int last) const
{
    if (last < first)
        return current;
    const qint64 target = qint64(current) + steps;
    if (m_cyclic && !m_blocking) {
        const qint64 count = qint64(last) - first + 1;
        qint64 offset = (target - first) % count;
        if (offset < 0)
            offset += count;
        return int(first + offset);
    }
    return int(qBound(qint64(first), target, qint64(last)));
}

void ZelAbstractSpinBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    zel::drawImage(painter, zel::localRect(*this), m_background);

    const bool upDown = m_pressedArrow == Arrow::Up && !m_upArrowPressed.isNull();
    const bool downDown = m_pressedArrow == Arrow::Down && !m_downArrowPressed.isNull();
    const QRect up = upArrowRect();
    const QRect down = downArrowRect();
    zel::drawImage(painter, up, upDown ? m_upArrowPressed : m_upArrowNormal);
    zel::drawImage(painter, down, downDown ? m_downArrowPressed : m_downArrowNormal);

    QFont valueFont = font();
    if (m_fontSize > 0)
        valueFont.setPointSize(m_fontSize);
    zel::TextStyle style;
    style.font = valueFont;
    style.colour = zel::textColour(*this);
    style.alignment = Qt::AlignCenter;
    zel::drawText(painter, QRect(0, up.bottom() + 1, zel::areaOf(*this).width(), down.top() - up.bottom() - 1), text(),
                  style);
}

void ZelAbstractSpinBox::mousePressEvent(QMouseEvent *event)
{
    if (upArrowRect().contains(event->pos())) {
        m_pressedArrow = Arrow::Up;
        stepUp();
    } else if (downArrowRect().contains(event->pos())) {
        m_pressedArrow = Arrow::Down;
        stepDown();
    } else {
        event->ignore();
        return;
    }
    update();
}

void ZelAbstractSpinBox::mouseReleaseEvent(QMouseEvent *event)
{
    QWidget::mouseReleaseEvent(event);
    m_pressedArrow = Arrow::None;
    update();
}
