#pragma once

#include "controls/zel_global.h"
#include "controls/zel_picture.h"

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

    QPixmap normal() const { return m_normal.pixmap(); }
    void setNormal(const ZelPicture &image);
    QPixmap pressed() const { return m_pressed.pixmap(); }
    void setPressed(const ZelPicture &image);
    QPixmap focused() const { return m_focused.pixmap(); }
    void setFocused(const ZelPicture &image);
    // One more face the library keeps besides normal, pressed and focused.
    QPixmap stateImage() const { return m_stateImage.pixmap(); }
    void setStateImage(const ZelPicture &image);

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
    ZelPicture m_normal;
    ZelPicture m_pressed;
    ZelPicture m_focused;
    ZelPicture m_stateImage;
    QPoint m_shiftOnPress;
    bool m_eventPropagation = false;
};
