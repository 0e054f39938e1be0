#include "controls/zel_text_area.h"

#include "controls/zel_painting.h"

#include <QEvent>

ZelTextArea::ZelTextArea(QWidget *parent)
    : QTextEdit(parent)
{
}

void ZelTextArea::setFont(const QFont &font)
{
    QWidget::setFont(font);
    applyLook();
}

void ZelTextArea::setFontPixelSize(int pixelSize)
{
    m_fontPixelSize = pixelSize;
    applyLook();
}

void ZelTextArea::setAlignHCenter(bool on)
{
    m_alignHCenter = on;
    applyLook();
}

void ZelTextArea::setAlignVCenter(bool on)
{
    m_alignVCenter = on;
    applyLook();
}

// QTextEdit hands the document the plain widget font on a font change.
void ZelTextArea::changeEvent(QEvent *event)
{
    QTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        applyLook();
}

// The document carries the look, so texts set later pick it up too.
void ZelTextArea::applyLook()
{
    document()->setDefaultFont(zel::fontWithPixelSize(QWidget::font(), m_fontPixelSize));
    QTextOption option = document()->defaultTextOption();
    option.setAlignment(m_alignHCenter ? Qt::AlignHCenter : Qt::AlignLeft);
    document()->setDefaultTextOption(option);
}
