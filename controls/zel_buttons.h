#pragma once

#include "controls/zel_global.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QPixmap>
#include <QPoint>

// An image button: one face per state; its children (icons, captions) ride on it.
class ZEL_EXPORT ZelPushButton : public QAbstractButton
{
    Q_OBJECT
    Q_PROPERTY(QPixmap normal READ normal WRITE setNormal)
    Q_PROPERTY(QPixmap pressed READ pressed WRITE setPressed)
    Q_PROPERTY(QPixmap focused READ focused WRITE setFocused)
    Q_PROPERTY(QPoint shiftOnPress READ shiftOnPress WRITE setShiftOnPress)
    Q_PROPERTY(bool eventPropagation READ eventPropagation WRITE setEventPropagation)
    Q_PROPERTY(QPixmap stateImage READ stateImage WRITE setStateImage)

public:
    Q_INVOKABLE explicit ZelPushButton(QWidget *parent = nullptr);

    QPixmap normal() const { return m_normal; }
    void setNormal(const QPixmap &image);
    QPixmap pressed() const { return m_pressed; }
    void setPressed(const QPixmap &image);
    QPixmap focused() const { return m_focused; }
    void setFocused(const QPixmap &image);
    // One more face the library keeps besides normal, pressed and focused.
    QPixmap stateImage() const { return m_stateImage; }
    void setStateImage(const QPixmap &image);

    // How far the face and text move while the button is held down.
    QPoint shiftOnPress() const { return m_shiftOnPress; }
    void setShiftOnPress(const QPoint &shift);
    // Whether presses also reach the parent (list rows built from buttons).
    bool eventPropagation() const { return m_eventPropagation; }
    void setEventPropagation(bool on);

    // Big enough for the children riding on the button, else for its face.
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    // The face for the current state, falling back to the normal face.
    QPixmap currentFace() const;
    QPoint currentShift() const;

private:
    QPixmap m_normal;
    QPixmap m_pressed;
    QPixmap m_focused;
    QPixmap m_stateImage;
    QPoint m_shiftOnPress;
    bool m_eventPropagation = false;
};

// Common ground of the check buttons: a face plus a check mark drawn at a position.
class ZEL_EXPORT ZelAbstractCheckButton : public ZelPushButton
{
    Q_OBJECT
    Q_PROPERTY(QPixmap checkedImg READ checkedImg WRITE setCheckedImg)
    Q_PROPERTY(QPixmap uncheckedImg READ uncheckedImg WRITE setUncheckedImg)
    Q_PROPERTY(QPoint markPosition READ markPosition WRITE setMarkPosition)

public:
    explicit ZelAbstractCheckButton(QWidget *parent = nullptr);

    QPixmap checkedImg() const { return m_checkedImg; }
    void setCheckedImg(const QPixmap &image);
    QPixmap uncheckedImg() const { return m_uncheckedImg; }
    void setUncheckedImg(const QPixmap &image);
    QPoint markPosition() const { return m_markPosition; }
    void setMarkPosition(const QPoint &position);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_checkedImg;
    QPixmap m_uncheckedImg;
    QPoint m_markPosition;
};

class ZEL_EXPORT ZelCheckBox : public ZelAbstractCheckButton
{
    Q_OBJECT

public:
    Q_INVOKABLE explicit ZelCheckBox(QWidget *parent = nullptr);
};

class ZEL_EXPORT ZelPushRadioButton : public ZelAbstractCheckButton
{
    Q_OBJECT

public:
    Q_INVOKABLE explicit ZelPushRadioButton(QWidget *parent = nullptr);
};

// A check button on a button face; the check-box flag makes it behave as a box.
class ZEL_EXPORT ZelPushCheckBox : public ZelAbstractCheckButton
{
    Q_OBJECT
    Q_PROPERTY(bool checkBoxFlag READ checkBoxFlag WRITE setCheckBoxFlag)

public:
    Q_INVOKABLE explicit ZelPushCheckBox(QWidget *parent = nullptr);

    bool checkBoxFlag() const { return m_checkBoxFlag; }
    void setCheckBoxFlag(bool on);

private:
    bool m_checkBoxFlag = false;
};

// A drop-down drawn from images: the field, an arrow and the popup items.
class ZEL_EXPORT ZelComboBox : public QComboBox
{
    Q_OBJECT
    Q_PROPERTY(QPixmap normal READ normal WRITE setNormal)
    Q_PROPERTY(QPixmap focused READ focused WRITE setFocused)
    Q_PROPERTY(QPixmap pressed READ pressed WRITE setPressed)
    Q_PROPERTY(QPixmap arrowNormal READ arrowNormal WRITE setArrowNormal)
    Q_PROPERTY(QPixmap arrowPressed READ arrowPressed WRITE setArrowPressed)
    Q_PROPERTY(QPoint arrowOrigin READ arrowOrigin WRITE setArrowOrigin)
    Q_PROPERTY(QPixmap itemNormal READ itemNormal WRITE setItemNormal)
    Q_PROPERTY(QPixmap itemFocused READ itemFocused WRITE setItemFocused)
    Q_PROPERTY(QPixmap itemPressed READ itemPressed WRITE setItemPressed)
    Q_PROPERTY(int textMargin READ textMargin WRITE setTextMargin)
    Q_PROPERTY(bool eventPropagation READ eventPropagation WRITE setEventPropagation)
    Q_PROPERTY(int fontPixelSize READ fontPixelSize WRITE setFontPixelSize)
    Q_PROPERTY(int popupItemMargin READ popupItemMargin WRITE setPopupItemMargin)
    Q_PROPERTY(int popupItemSpacing READ popupItemSpacing WRITE setPopupItemSpacing)

public:
    Q_INVOKABLE explicit ZelComboBox(QWidget *parent = nullptr);

    QPixmap normal() const { return m_normal; }
    void setNormal(const QPixmap &image);
    QPixmap focused() const { return m_focused; }
    void setFocused(const QPixmap &image);
    QPixmap pressed() const { return m_pressed; }
    void setPressed(const QPixmap &image);
    QPixmap arrowNormal() const { return m_arrowNormal; }
    void setArrowNormal(const QPixmap &image);
    QPixmap arrowPressed() const { return m_arrowPressed; }
    void setArrowPressed(const QPixmap &image);
    QPoint arrowOrigin() const { return m_arrowOrigin; }
    void setArrowOrigin(const QPoint &origin);
    QPixmap itemNormal() const { return m_itemNormal; }
    void setItemNormal(const QPixmap &image);
    QPixmap itemFocused() const { return m_itemFocused; }
    void setItemFocused(const QPixmap &image);
    QPixmap itemPressed() const { return m_itemPressed; }
    void setItemPressed(const QPixmap &image);
    int textMargin() const { return m_textMargin; }
    void setTextMargin(int margin);
    bool eventPropagation() const { return m_eventPropagation; }
    void setEventPropagation(bool on);
    int fontPixelSize() const { return m_fontPixelSize; }
    void setFontPixelSize(int pixelSize);
    // The two further integers some forms give after the item images.
    int popupItemMargin() const { return m_popupItemMargin; }
    void setPopupItemMargin(int margin);
    int popupItemSpacing() const { return m_popupItemSpacing; }
    void setPopupItemSpacing(int spacing);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    bool hasPopupList() const;

    QPixmap m_normal;
    QPixmap m_focused;
    QPixmap m_pressed;
    QPixmap m_arrowNormal;
    QPixmap m_arrowPressed;
    QPoint m_arrowOrigin;
    QPixmap m_itemNormal;
    QPixmap m_itemFocused;
    QPixmap m_itemPressed;
    int m_textMargin = 0;
    bool m_eventPropagation = false;
    int m_fontPixelSize = 0;
    int m_popupItemMargin = 0;
    int m_popupItemSpacing = 0;
    mutable bool m_sizeHintAsked = false;
};
