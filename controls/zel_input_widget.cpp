#include "controls/zel_input_widget.h"

#include "controls/zel_painting.h"

#include <QPainter>

zelInputWidget::zelInputWidget(QWidget *parent)
    : QLineEdit(parent)
{
}

void zelInputWidget::setNormalPromptImage(const QString &path)
{
    m_normalPromptPath = path;
    m_normalPrompt = ZelPicture::fromPath(path);
    update();
}

void zelInputWidget::setFocusedPromptImage(const QString &path)
{
    m_focusedPromptPath = path;
    m_focusedPrompt = ZelPicture::fromPath(path);
    update();
}

void zelInputWidget::setAutoCompletion(bool on)
{
    m_autoCompletion = on;
}

void zelInputWidget::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        const bool focused = hasFocus() && !m_focusedPrompt.isNull();
        zel::drawImage(painter, zel::localRect(*this), (focused ? m_focusedPrompt : m_normalPrompt).pixmap());
    }
    // The forms' style sheet makes the line itself transparent over the prompt.
    QLineEdit::paintEvent(event);
}
