#include "controls/zel_buttons.h"

#include "controls/zel_painting.h"

#include <QEvent>
#include <QPainter>

#include <algorithm>

ZelPushButton::ZelPushButton(QWidget *parent)
    : QAbstractButton(parent)
{
}

void ZelPushButton::setNormal(const QPixmap &image)
{
    m_normal = image;
    update();
}

void ZelPushButton::setPressed(const QPixmap &image)
{
    m_pressed = image;
    update();
}

void ZelPushButton::setFocused(const QPixmap &image)
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
    if (!children.isEmpty())
        return QSize(children.right() + 1, children.bottom() + 1);
    return m_normal.size();
}

QPixmap ZelPushButton::currentFace() const
{
    if (isDown() && !m_pressed.isNull())
        return m_pressed;
    if (hasFocus() && !m_focused.isNull())
        return m_focused;
    return m_normal;
}

QPoint ZelPushButton::currentShift() const
{
    return isDown() ? m_shiftOnPress : QPoint();
}

void ZelPushButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect face = rect().translated(currentShift());
    zel::drawImage(painter, face, currentFace());
    zel::TextStyle style;
    style.font = font();
    style.colour = palette().color(QPalette::ButtonText);
    style.alignment = Qt::AlignCenter;
    zel::drawText(painter, face, text(), style);
}

ZelAbstractCheckButton::ZelAbstractCheckButton(QWidget *parent)
    : ZelPushButton(parent)
{
}

void ZelAbstractCheckButton::setCheckedImg(const QPixmap &image)
{
    m_checkedImg = image;
    update();
}

void ZelAbstractCheckButton::setUncheckedImg(const QPixmap &image)
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
    const QPixmap mark = isChecked() ? m_checkedImg : m_uncheckedImg;
    if (mark.isNull())
        return;
    QPainter painter(this);
    QSize markSize = iconSize().boundedTo(mark.size());
    if (markSize.isEmpty())
        markSize = mark.size();
    zel::drawImage(painter, QRect(m_markPosition + currentShift(), markSize), mark);
}

ZelCheckBox::ZelCheckBox(QWidget *parent)
    : ZelAbstractCheckButton(parent)
{
}

ZelPushRadioButton::ZelPushRadioButton(QWidget *parent)
    : ZelAbstractCheckButton(parent)
{
}

ZelPushCheckBox::ZelPushCheckBox(QWidget *parent)
    : ZelAbstractCheckButton(parent)
{
}

void ZelPushCheckBox::setCheckBoxFlag(bool on)
{
    m_checkBoxFlag = on;
}

void ZelPushButton::setStateImage(const QPixmap &image)
{
    m_stateImage = image;
}

ZelComboBox::ZelComboBox(QWidget *parent)
    : QComboBox(parent)
{
}

void ZelComboBox::setNormal(const QPixmap &image)
{
    m_normal = image;
    update();
}

void ZelComboBox::setFocused(const QPixmap &image)
{
    m_focused = image;
}

void ZelComboBox::setPressed(const QPixmap &image)
{
    m_pressed = image;
}

void ZelComboBox::setArrowNormal(const QPixmap &image)
{
    m_arrowNormal = image;
    update();
}

void ZelComboBox::setArrowPressed(const QPixmap &image)
{
    m_arrowPressed = image;
}

void ZelComboBox::setArrowOrigin(const QPoint &origin)
{
    m_arrowOrigin = origin;
    update();
}

void ZelComboBox::setItemNormal(const QPixmap &image)
{
    m_itemNormal = image;
}

void ZelComboBox::setItemFocused(const QPixmap &image)
{
    m_itemFocused = image;
}

void ZelComboBox::setItemPressed(const QPixmap &image)
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
    zel::drawImage(painter, rect(), hasFocus() && !m_focused.isNull() ? m_focused : m_normal);
    if (!m_arrowNormal.isNull())
        zel::drawImage(painter, QRect(m_arrowOrigin, m_arrowNormal.size()), m_arrowNormal);
    zel::TextStyle style;
    style.font = zel::fontWithPixelSize(font(), m_fontPixelSize);
    style.colour = palette().color(QPalette::ButtonText);
    const QRect textRect = rect().adjusted(m_textMargin, 0, 0, 0);
    zel::drawText(painter, textRect, currentText(), style);
}
