#include "controls/zel_combo_box.h"

#include "controls/zel_painting.h"

#include <QEvent>
#include <QPainter>

#include <algorithm>

ZelComboBox::ZelComboBox(QWidget *parent)
    : QComboBox(parent)
{
}

void ZelComboBox::setNormal(const ZelPicture &image)
{
    m_normal = image;
    update();
}

void ZelComboBox::setFocused(const ZelPicture &image)
{
    m_focused = image;
}

void ZelComboBox::setPressed(const ZelPicture &image)
{
    m_pressed = image;
}

void ZelComboBox::setArrowNormal(const ZelPicture &image)
{
    m_arrowNormal = image;
    update();
}

void ZelComboBox::setArrowPressed(const ZelPicture &image)
{
    m_arrowPressed = image;
}

void ZelComboBox::setArrowOrigin(const QPoint &origin)
{
    m_arrowOrigin = origin;
    update();
}

void ZelComboBox::setItemNormal(const ZelPicture &image)
{
    m_itemNormal = image;
}

void ZelComboBox::setItemFocused(const ZelPicture &image)
{
    m_itemFocused = image;
}

void ZelComboBox::setItemPressed(const ZelPicture &image)
{
    m_itemPressed = image;
}

void ZelComboBox::setTextMargin(int margin)
{
    m_textMargin = margin;
    update();
}

void ZelComboBox::setEventPropagation(bool on)
{
    m_eventPropagation = on;
}

void ZelComboBox::setFontPixelSize(int pixelSize)
{
    m_fontPixelSize = pixelSize;
    update();
}

void ZelComboBox::setPopupItemMargin(int margin)
{
    m_popupItemMargin = margin;
}

void ZelComboBox::setPopupItemSpacing(int spacing)
{
    m_popupItemSpacing = spacing;
}

QSize ZelComboBox::sizeHint() const
{
    m_sizeHintAsked = true;
    return QComboBox::sizeHint();
}

void ZelComboBox::changeEvent(QEvent *event)
{
    // QComboBox creates its popup list just to hand it a new font, which is
    // most of the cost of building a combo box. Until the list exists, and
    // while no size hint is cached, there is nothing to update: the list takes
    // this box's font when it is created.
    if (event->type() == QEvent::FontChange && !m_sizeHintAsked && !lineEdit() && !hasPopupList()) {
        QWidget::changeEvent(event);
        return;
    }
    QComboBox::changeEvent(event);
}

bool ZelComboBox::hasPopupList() const
{
    const QObjectList &kids = children();
    return std::any_of(kids.cbegin(), kids.cend(), [](const QObject *child) {
        return child->isWidgetType() && static_cast<const QWidget *>(child)->isWindow();
    });
}

void ZelComboBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    zel::drawImage(painter, zel::localRect(*this), hasFocus() && !m_focused.isNull() ? m_focused : m_normal);
    if (!m_arrowNormal.isNull())
        zel::drawImage(painter, QRect(zel::clamped(m_arrowOrigin), m_arrowNormal.size()), m_arrowNormal);
    zel::TextStyle style;
    style.font = zel::fontWithPixelSize(font(), m_fontPixelSize);
    style.colour = palette().color(QPalette::ButtonText);
    const QRect textRect = zel::localRect(*this).adjusted(zel::bounded(m_textMargin), 0, 0, 0);
    zel::drawText(painter, textRect, currentText(), style);
}
