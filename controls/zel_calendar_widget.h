#pragma once

#include "controls/zel_global.h"
#include "controls/zel_picture.h"

#include <QCalendarWidget>
#include <QPixmap>

// The month calendar of the almanac screens; its month buttons are drawn from
// images per state.
class ZEL_EXPORT zelCalendarWidget : public QCalendarWidget
{
    Q_OBJECT
    Q_PROPERTY(int fontPixelSize READ fontPixelSize WRITE setFontPixelSize)
    Q_PROPERTY(QPixmap prevMonthNormal READ prevMonthNormal WRITE setPrevMonthNormal)
    Q_PROPERTY(QPixmap prevMonthPressed READ prevMonthPressed WRITE setPrevMonthPressed)
    Q_PROPERTY(QPixmap prevMonthFocused READ prevMonthFocused WRITE setPrevMonthFocused)
    Q_PROPERTY(QPixmap prevMonthDisabled READ prevMonthDisabled WRITE setPrevMonthDisabled)
    Q_PROPERTY(QPixmap nextMonthNormal READ nextMonthNormal WRITE setNextMonthNormal)
    Q_PROPERTY(QPixmap nextMonthPressed READ nextMonthPressed WRITE setNextMonthPressed)
    Q_PROPERTY(QPixmap nextMonthFocused READ nextMonthFocused WRITE setNextMonthFocused)
    Q_PROPERTY(QPixmap nextMonthDisabled READ nextMonthDisabled WRITE setNextMonthDisabled)

public:
    Q_INVOKABLE explicit zelCalendarWidget(QWidget *parent = nullptr);

    // Hides QWidget::setFont, which is not virtual. Either keeps the pixel
    // size: a font set through a QWidget pointer gets it back on its FontChange.
    void setFont(const QFont &font);
    int fontPixelSize() const { return m_fontPixelSize; }
    void setFontPixelSize(int pixelSize);

    QPixmap prevMonthNormal() const { return m_prevMonth[Normal].pixmap(); }
    void setPrevMonthNormal(const ZelPicture &image);
    QPixmap prevMonthPressed() const { return m_prevMonth[Pressed].pixmap(); }
    void setPrevMonthPressed(const ZelPicture &image);
    QPixmap prevMonthFocused() const { return m_prevMonth[Focused].pixmap(); }
    void setPrevMonthFocused(const ZelPicture &image);
    QPixmap prevMonthDisabled() const { return m_prevMonth[Disabled].pixmap(); }
    void setPrevMonthDisabled(const ZelPicture &image);
    QPixmap nextMonthNormal() const { return m_nextMonth[Normal].pixmap(); }
    void setNextMonthNormal(const ZelPicture &image);
    QPixmap nextMonthPressed() const { return m_nextMonth[Pressed].pixmap(); }
    void setNextMonthPressed(const ZelPicture &image);
    QPixmap nextMonthFocused() const { return m_nextMonth[Focused].pixmap(); }
    void setNextMonthFocused(const ZelPicture &image);
    QPixmap nextMonthDisabled() const { return m_nextMonth[Disabled].pixmap(); }
    void setNextMonthDisabled(const ZelPicture &image);

protected:
    bool event(QEvent *event) override;

private:
    enum ButtonState { Normal, Pressed, Focused, Disabled, StateCount };

    // The calendar resets its button icons on style and direction changes,
    // so the images go back on after each. They first go on when the calendar
    // is polished, before it is shown, measured or rendered, so a screen that
    // is built and not shown decodes none of them.
    void applyMonthImages();

    int m_fontPixelSize = 0;
    ZelPicture m_prevMonth[StateCount];
    ZelPicture m_nextMonth[StateCount];
};
