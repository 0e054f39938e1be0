#include "controls/zel_push_button.h"

#include "controls/zel_painting.h"

#include <QPainter>

ZelPushButton::ZelPushButton(QWidget *parent)
    : QAbstractButton(parent)
{
}

void ZelPushButton::setNormal(const ZelPicture &image)
{
    m_normal = image;
    update();
}

void ZelPushButton::setPressed(const ZelPicture &image)
{
    m_pressed = image;
    update();
}

void ZelPushButton::setFocused(const ZelPicture &image)
{
    m_focused = image;
    update();
}

void ZelPushButton::setShiftOnPress(const QPoint &shift)
{
    m_shiftOnPress = shift;
}

void ZelPushButton::setEventPropagation(bool on)
{
    m_eventPropagation = on;
}

QSize ZelPushButton::sizeHint() const
{
    const QRect children = childrenRect();
    if (!children.isEmpty()) {
        // Children may sit anywhere a host puts them; a hint is no larger than a widget can be.
        const auto edge = [](int last) { return int(qBound(qint64(0), qint64(last) + 1, qint64(QWIDGETSIZE_MAX))); };
        return QSize(edge(children.right()), edge(children.bottom()));
    }
    return m_normal.size();
}

QPixmap ZelPushButton::currentFace() const
{
    if (isDown() && !m_pressed.isNull())
        return m_pressed.pixmap();
    if (hasFocus() && !m_focused.isNull())
        return m_focused.pixmap();
    return m_normal.pixmap();
}

QPoint ZelPushButton::currentShift() const
{
    return isDown() ? m_shiftOnPress : QPoint();
}

void ZelPushButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect face = zel::localRect(*this).translated(zel::clamped(currentShift()));
    zel::drawImage(painter, face, currentFace());
    zel::TextStyle style;
    style.font = font();
    style.colour = palette().color(QPalette::ButtonText);
    style.alignment = Qt::AlignCenter;
    zel::drawText(painter, face, text(), style);
}

void ZelPushButton::setStateImage(const ZelPicture &image)
{
    m_stateImage = image;
}
