#pragma once

#include "controls/zel_global.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QCalendarWidget>
#include <QColor>
#include <QLineEdit>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QWidget>

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

// Entry of a coordinate (or of one numeric parameter) in the system the type
// names; the prompt images frame the fields while they can be edited.
class ZEL_EXPORT zelCoordEntryWidget : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int coordType READ coordType WRITE setCoordType)
    Q_PROPERTY(int coordSubType READ coordSubType WRITE setCoordSubType)
    Q_PROPERTY(bool readOnly READ isReadOnly WRITE setReadOnly)
    Q_PROPERTY(bool modifiable READ isModifiable WRITE setModifiable)
    Q_PROPERTY(QString normalPromptImage READ normalPromptImage WRITE setNormalPromptImage)
    Q_PROPERTY(QString focusedPromptImage READ focusedPromptImage WRITE setFocusedPromptImage)

public:
    Q_INVOKABLE explicit zelCoordEntryWidget(QWidget *parent = nullptr);

    void setFont(const QFont &font);

    int coordType() const { return m_coordType; }
    void setCoordType(int type);
    int coordSubType() const { return m_coordSubType; }
    void setCoordSubType(int subType);
    bool isReadOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly);
    // Whether the user may open the value for editing from a read-only display.
    bool isModifiable() const { return m_modifiable; }
    void setModifiable(bool modifiable);

    // Resource paths; the forms pass them through the translator like texts.
    QString normalPromptImage() const { return m_normalPromptPath; }
    void setNormalPromptImage(const QString &path);
    QString focusedPromptImage() const { return m_focusedPromptPath; }
    void setFocusedPromptImage(const QString &path);

protected:
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    int m_coordType = 0;
    int m_coordSubType = 0;
    bool m_readOnly = false;
    bool m_modifiable = true;
    QString m_normalPromptPath;
    QString m_focusedPromptPath;
    QPixmap m_normalPrompt;
    QPixmap m_focusedPrompt;
};

// The input line above the on-screen keyboard, drawn on a prompt image.
class ZEL_EXPORT zelInputWidget : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(QString normalPromptImage READ normalPromptImage WRITE setNormalPromptImage)
    Q_PROPERTY(QString focusedPromptImage READ focusedPromptImage WRITE setFocusedPromptImage)
    Q_PROPERTY(bool autoCompletion READ autoCompletion WRITE setAutoCompletion)

public:
    Q_INVOKABLE explicit zelInputWidget(QWidget *parent = nullptr);

    QString normalPromptImage() const { return m_normalPromptPath; }
    void setNormalPromptImage(const QString &path);
    QString focusedPromptImage() const { return m_focusedPromptPath; }
    void setFocusedPromptImage(const QString &path);

    // Offering completions while typing; the coordinate editor switches it off.
    bool autoCompletion() const { return m_autoCompletion; }
    void setAutoCompletion(bool on);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_normalPromptPath;
    QString m_focusedPromptPath;
    QPixmap m_normalPrompt;
    QPixmap m_focusedPrompt;
    bool m_autoCompletion = true;
};

// The panel that holds the on-screen keyboard; the host lays the keys in.
class ZEL_EXPORT zelKBContainer : public QWidget
{
    Q_OBJECT

public:
    Q_INVOKABLE explicit zelKBContainer(QWidget *parent = nullptr);
};

// One key of the on-screen keyboard: a face per state and the Qt key it stands for.
class ZEL_EXPORT zelKeyButton : public QAbstractButton
{
    Q_OBJECT
    Q_PROPERTY(QPixmap keyNormal READ keyNormal WRITE setKeyNormal)
    Q_PROPERTY(QPixmap keyFocused READ keyFocused WRITE setKeyFocused)
    Q_PROPERTY(QPixmap keyPressed READ keyPressed WRITE setKeyPressed)
    Q_PROPERTY(QPixmap keyDisabled READ keyDisabled WRITE setKeyDisabled)
    Q_PROPERTY(int keyCode READ keyCode WRITE setKeyCode)
    Q_PROPERTY(int secondKeyCode READ secondKeyCode WRITE setSecondKeyCode)

public:
    Q_INVOKABLE explicit zelKeyButton(QWidget *parent = nullptr);

    QPixmap keyNormal() const { return m_normal; }
    void setKeyNormal(const QPixmap &image);
    QPixmap keyFocused() const { return m_focused; }
    void setKeyFocused(const QPixmap &image);
    QPixmap keyPressed() const { return m_pressed; }
    void setKeyPressed(const QPixmap &image);
    QPixmap keyDisabled() const { return m_disabled; }
    void setKeyDisabled(const QPixmap &image);

    int keyCode() const { return m_keyCode; }
    void setKeyCode(int key);
    // A further key it stands for (Delete beside Backspace).
    int secondKeyCode() const { return m_secondKeyCode; }
    void setSecondKeyCode(int key);

    // The face for the current state, falling back to the normal face.
    QPixmap currentFace() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_normal;
    QPixmap m_focused;
    QPixmap m_pressed;
    QPixmap m_disabled;
    int m_keyCode = 0;
    int m_secondKeyCode = 0;
};

// A grid of colour swatches, three to a row, in the order given.
class ZEL_EXPORT zelColorPaletteCtrl : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QStringList paletteValues READ paletteValues WRITE setPaletteValues)

public:
    Q_INVOKABLE explicit zelColorPaletteCtrl(QWidget *parent = nullptr);

    // Six-digit hexadecimal RGB strings such as "ff8600".
    QStringList paletteValues() const { return m_values; }
    void setPaletteValues(const QStringList &values);
    // The swatches' colours; a value that is no colour gives an invalid one.
    QVector<QColor> colors() const;

    QRect swatchRect(int index) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QStringList m_values;
};

// Volume and brightness: a bar filled up to the value between minus and plus
// buttons, inside a frame. The range is 0 to 100 unless the host sets another.
class ZEL_EXPORT ZelHorizontalSlider : public QAbstractSlider
{
    Q_OBJECT
    Q_PROPERTY(QPixmap frameImage READ frameImage WRITE setFrameImage)
    Q_PROPERTY(QPixmap filledBarImage READ filledBarImage WRITE setFilledBarImage)
    Q_PROPERTY(QPixmap emptyBarImage READ emptyBarImage WRITE setEmptyBarImage)
    Q_PROPERTY(QPixmap plusImage READ plusImage WRITE setPlusImage)
    Q_PROPERTY(QPixmap minusImage READ minusImage WRITE setMinusImage)

public:
    Q_INVOKABLE explicit ZelHorizontalSlider(QWidget *parent = nullptr);

    QPixmap frameImage() const { return m_frame; }
    void setFrameImage(const QPixmap &image);
    QPixmap filledBarImage() const { return m_filledBar; }
    void setFilledBarImage(const QPixmap &image);
    QPixmap emptyBarImage() const { return m_emptyBar; }
    void setEmptyBarImage(const QPixmap &image);
    QPixmap plusImage() const { return m_plus; }
    void setPlusImage(const QPixmap &image);
    QPixmap minusImage() const { return m_minus; }
    void setMinusImage(const QPixmap &image);

    QRect minusRect() const;
    QRect plusRect() const;
    QRect barRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QPixmap m_frame;
    QPixmap m_filledBar;
    QPixmap m_emptyBar;
    QPixmap m_plus;
    QPixmap m_minus;
};

// Common ground of the vertical spin boxes: a value between an up and a down
// arrow on a background. Pressing an arrow steps; a cyclic box wraps around at
// its ends unless it is blocking.
class ZEL_EXPORT ZelAbstractSpinBox : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QPixmap background READ background WRITE setBackground)
    Q_PROPERTY(QPixmap upArrowNormal READ upArrowNormal WRITE setUpArrowNormal)
    Q_PROPERTY(QPixmap upArrowPressed READ upArrowPressed WRITE setUpArrowPressed)
    Q_PROPERTY(QPixmap downArrowNormal READ downArrowNormal WRITE setDownArrowNormal)
    Q_PROPERTY(QPixmap downArrowPressed READ downArrowPressed WRITE setDownArrowPressed)
    Q_PROPERTY(bool cyclic READ isCyclic WRITE setCyclic)
    Q_PROPERTY(bool blocking READ isBlocking WRITE setBlocking)
    Q_PROPERTY(int fontSize READ fontSize WRITE setFontSize)

public:
    explicit ZelAbstractSpinBox(QWidget *parent = nullptr);

    QPixmap background() const { return m_background; }
    void setBackground(const QPixmap &image);
    QPixmap upArrowNormal() const { return m_upArrowNormal; }
    void setUpArrowNormal(const QPixmap &image);
    QPixmap upArrowPressed() const { return m_upArrowPressed; }
    void setUpArrowPressed(const QPixmap &image);
    QPixmap downArrowNormal() const { return m_downArrowNormal; }
    void setDownArrowNormal(const QPixmap &image);
    QPixmap downArrowPressed() const { return m_downArrowPressed; }
    void setDownArrowPressed(const QPixmap &image);

    bool isCyclic() const { return m_cyclic; }
    void setCyclic(bool cyclic);
    bool isBlocking() const { return m_blocking; }
    void setBlocking(bool blocking);
    // Point size of the value's font; 0 keeps the widget font's size.
    int fontSize() const { return m_fontSize; }
    void setFontSize(int pointSize);

    // What the box shows for its current value.
    virtual QString text() const = 0;
    void stepUp() { stepBy(1); }
    void stepDown() { stepBy(-1); }

    QRect upArrowRect() const;
    QRect downArrowRect() const;

protected:
    virtual void stepBy(int steps) = 0;
    // The position steps away from current within first..last, wrapping or stopping at the ends.
    int steppedPosition(int current, int steps, int first, int last) const;

    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    enum class Arrow { None, Up, Down };

    QPixmap m_background;
    QPixmap m_upArrowNormal;
    QPixmap m_upArrowPressed;
    QPixmap m_downArrowNormal;
    QPixmap m_downArrowPressed;
    bool m_cyclic = false;
    bool m_blocking = false;
    int m_fontSize = 0;
    Arrow m_pressedArrow = Arrow::None;
};

// Steps through a list of texts the host gives (hours, minutes, AM/PM).
class ZEL_EXPORT ZelStringVerticalSpinBox : public ZelAbstractSpinBox
{
    Q_OBJECT
    Q_PROPERTY(QStringList strings READ strings WRITE setStrings)
    Q_PROPERTY(int currentIndex READ currentIndex WRITE setCurrentIndex)

public:
    Q_INVOKABLE explicit ZelStringVerticalSpinBox(QWidget *parent = nullptr);

    QStringList strings() const { return m_strings; }
    void setStrings(const QStringList &strings);
    // Kept inside the list once there is one.
    int currentIndex() const { return m_currentIndex; }
    void setCurrentIndex(int index);

    QString text() const override;

protected:
    void stepBy(int steps) override;

private:
    QStringList m_strings;
    int m_currentIndex = 0;
};

// Steps through whole numbers from the minimum to the maximum value.
class ZEL_EXPORT ZelVerticalSpinBox : public ZelAbstractSpinBox
{
    Q_OBJECT
    Q_PROPERTY(int minValue READ minValue WRITE setMinValue)
    Q_PROPERTY(int maxValue READ maxValue WRITE setMaxValue)
    Q_PROPERTY(int value READ value WRITE setValue)

public:
    Q_INVOKABLE explicit ZelVerticalSpinBox(QWidget *parent = nullptr);

    // Moving one end past the other moves both; the value stays inside.
    int minValue() const { return m_minValue; }
    void setMinValue(int minimum);
    int maxValue() const { return m_maxValue; }
    void setMaxValue(int maximum);
    int value() const { return m_value; }
    void setValue(int value);

    QString text() const override;

protected:
    void stepBy(int steps) override;

private:
    int m_minValue = 0;
    int m_maxValue = 99;
    int m_value = 0;
};
