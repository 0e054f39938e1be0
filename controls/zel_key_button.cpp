#include "controls/zel_key_button.h"

#include "controls/zel_painting.h"

#include <QPainter>

zelKeyButton::zelKeyButton(QWidget *parent)
    : QAbstractButton(parent)
{
}

void zelKeyButton::setKeyNormal(const ZelPicture &image)
{
    m_normal = image;
    update();
}

void zelKeyButton::setKeyFocused(const ZelPicture &image)
{
    m_focused = image;
    update();
}

void zelKeyButton::setKeyPressed(const ZelPicture &image)
{
    m_pressed = image;
    update();
}

void zelKeyButton::setKeyDisabled(const ZelPicture &image)
{
    m_disabled = image;
    update();
}

void zelKeyButton::setKeyCode(int key)
{
    m_keyCode = key;
}

void zelKeyButton::setSecondKeyCode(int key)
{
    m_secondKeyCode = key;
}

QPixmap zelKeyButton::currentFace() const
{
    if (!isEnabled() && !m_disabled.isNull())
        return m_disabled.pixmap();
    if (isDown() && !m_pressed.isNull())
        return m_pressed.pixmap();
    if (hasFocus() && !m_focused.isNull())
        return m_focused.pixmap();
    return m_normal.pixmap();
}

void zelKeyButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    zel::drawImage(painter, zel::localRect(*this), currentFace());
    zel::TextStyle style;
    style.font = font();
    style.colour = palette().color(QPalette::ButtonText);
    style.alignment = Qt::AlignCenter;
    zel::drawText(painter, zel::localRect(*this), text(), style);
}
