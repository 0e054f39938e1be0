#include "controls/zel_coord_entry_widget.h"

#include "controls/zel_painting.h"

#include <QPainter>

zelCoordEntryWidget::zelCoordEntryWidget(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void zelCoordEntryWidget::setFont(const QFont &font)
{
    QWidget::setFont(font);
}

void zelCoordEntryWidget::setCoordType(int type)
{
    m_coordType = type;
}

void zelCoordEntryWidget::setCoordSubType(int subType)
{
    m_coordSubType = subType;
}

void zelCoordEntryWidget::setReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    update();
}

void zelCoordEntryWidget::setModifiable(bool modifiable)
{
    m_modifiable = modifiable;
}

void zelCoordEntryWidget::setNormalPromptImage(const QString &path)
{
    m_normalPromptPath = path;
    m_normalPrompt = ZelPicture::fromPath(path);
    update();
}

void zelCoordEntryWidget::setFocusedPromptImage(const QString &path)
{
    m_focusedPromptPath = path;
    m_focusedPrompt = ZelPicture::fromPath(path);
    update();
}

void zelCoordEntryWidget::paintEvent(QPaintEvent *)
{
    // A read-only value is plain text the host draws; only editable fields get a frame.
    if (m_readOnly)
        return;
    QPainter painter(this);
    const bool focused = hasFocus() && !m_focusedPrompt.isNull();
    zel::drawImage(painter, zel::localRect(*this), (focused ? m_focusedPrompt : m_normalPrompt).pixmap());
}

void zelCoordEntryWidget::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void zelCoordEntryWidget::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}
