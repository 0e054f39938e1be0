#pragma once

#include "controls/zel_global.h"
#include "controls/zel_picture.h"

#include <QAbstractButton>
#include <QPixmap>

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

    QPixmap keyNormal() const { return m_normal.pixmap(); }
    void setKeyNormal(const ZelPicture &image);
    QPixmap keyFocused() const { return m_focused.pixmap(); }
    void setKeyFocused(const ZelPicture &image);
    QPixmap keyPressed() const { return m_pressed.pixmap(); }
    void setKeyPressed(const ZelPicture &image);
    QPixmap keyDisabled() const { return m_disabled.pixmap(); }
    void setKeyDisabled(const ZelPicture &image);

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
    ZelPicture m_normal;
    ZelPicture m_focused;
    ZelPicture m_pressed;
    ZelPicture m_disabled;
    int m_keyCode = 0;
    int m_secondKeyCode = 0;
};
