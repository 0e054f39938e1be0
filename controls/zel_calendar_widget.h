#pragma once

#include "controls/zel_global.h"

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

    QPixmap prevMonthNormal() const { return m_prevMonth[Normal]; }
    void setPrevMonthNormal(const QPixmap &image);
    QPixmap prevMonthPressed() const { return m_prevMonth[Pressed]; }
    void setPrevMonthPressed(const QPixmap &image);
    QPixmap prevMonthFocused() const { return m_prevMonth[Focused]; }
    void setPrevMonthFocused(const QPixmap &image);
    QPixmap prevMonthDisabled() const { return m_prevMonth[Disabled]; }
    void setPrevMonthDisabled(const QPixmap &image);
    QPixmap nextMonthNormal() const { return m_nextMonth[Normal]; }
    void setNextMonthNormal(const QPixmap &image);
    QPixmap nextMonthPressed() const { return m_nextMonth[Pressed]; }
    void setNextMonthPressed(const QPixmap &image);
    QPixmap nextMonthFocused() const { return m_nextMonth[Focused]; }
    void setNextMonthFocused(const QPixmap &image);
    QPixmap nextMonthDisabled() const { return m_nextMonth[Disabled]; }
    void setNextMonthDisabled(const QPixmap &image);

protected:
    bool event(QEvent *event) override;

private:
    enum ButtonState { Normal, Pressed, Focused, Disabled, StateCount };

    // The calendar resets its button icons on style and direction changes,
    // so the images go back on after each.
    void applyMonthImages();

    int m_fontPixelSize = 0;
    QPixmap m_prevMonth[StateCount];
    QPixmap m_nextMonth[StateCount];
};
