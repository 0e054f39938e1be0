#pragma once

#include "controls/zel_global.h"

#include <QAbstractButton>
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
