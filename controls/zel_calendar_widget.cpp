#include "controls/zel_calendar_widget.h"

#include "controls/zel_painting.h"

#include <QEvent>
#include <QIcon>
#include <QToolButton>

zelCalendarWidget::zelCalendarWidget(QWidget *parent)
    : QCalendarWidget(parent)
{
}

void zelCalendarWidget::setFont(const QFont &font)
{
    QWidget::setFont(zel::fontWithPixelSize(font, m_fontPixelSize));
}

void zelCalendarWidget::setFontPixelSize(int pixelSize)
{
    m_fontPixelSize = pixelSize;
    QWidget::setFont(zel::fontWithPixelSize(QWidget::font(), pixelSize));
}

void zelCalendarWidget::setPrevMonthNormal(const ZelPicture &image)
{
    m_prevMonth[Normal] = image;
    applyMonthImages();
}

void zelCalendarWidget::setPrevMonthPressed(const ZelPicture &image)
{
    m_prevMonth[Pressed] = image;
    applyMonthImages();
}

void zelCalendarWidget::setPrevMonthFocused(const ZelPicture &image)
{
    m_prevMonth[Focused] = image;
    applyMonthImages();
}

void zelCalendarWidget::setPrevMonthDisabled(const ZelPicture &image)
{
    m_prevMonth[Disabled] = image;
    applyMonthImages();
}

void zelCalendarWidget::setNextMonthNormal(const ZelPicture &image)
{
    m_nextMonth[Normal] = image;
    applyMonthImages();
}

void zelCalendarWidget::setNextMonthPressed(const ZelPicture &image)
{
    m_nextMonth[Pressed] = image;
    applyMonthImages();
}

void zelCalendarWidget::setNextMonthFocused(const ZelPicture &image)
{
    m_nextMonth[Focused] = image;
    applyMonthImages();
}

void zelCalendarWidget::setNextMonthDisabled(const ZelPicture &image)
{
    m_nextMonth[Disabled] = image;
    applyMonthImages();
}

bool zelCalendarWidget::event(QEvent *event)
{
    const bool handled = QCalendarWidget::event(event);
    if (event->type() == QEvent::Polish || event->type() == QEvent::StyleChange
        || event->type() == QEvent::LayoutDirectionChange)
        applyMonthImages();
    // Sets the font again only when it lost the size, so this ends at the next FontChange.
    if (event->type() == QEvent::FontChange && m_fontPixelSize > 0 && font().pixelSize() != m_fontPixelSize)
        QWidget::setFont(zel::fontWithPixelSize(font(), m_fontPixelSize));
    return handled;
}

void zelCalendarWidget::applyMonthImages()
{
    // A tool button shows no pressed icon state, so the pressed images are only kept.
    if (!testAttribute(Qt::WA_WState_Polished))
        return;
    const auto apply = [this](const char *buttonName, const ZelPicture *images) {
        auto *button = findChild<QToolButton *>(QLatin1String(buttonName));
        if (!button || images[Normal].isNull())
            return;
        QIcon icon(images[Normal].pixmap());
        if (!images[Focused].isNull())
            icon.addPixmap(images[Focused].pixmap(), QIcon::Active);
        if (!images[Disabled].isNull())
            icon.addPixmap(images[Disabled].pixmap(), QIcon::Disabled);
        button->setIcon(icon);
        button->setIconSize(images[Normal].size());
    };
    apply("qt_calendar_prevmonth", m_prevMonth);
    apply("qt_calendar_nextmonth", m_nextMonth);
}
