#pragma once

// Push, toggle and check buttons, and the keys of the on-screen keyboards.
//
// A part of Row (row.h): Self is the Row, so that a row's settings chain.

#include "core/construction/images.h"
#include "core/construction/row_setters.h"

#include <QPixmap>
#include <QPoint>
#include <QSize>

namespace quarn {

template <typename W, typename Self>
class ButtonSettings
{
public:
    Self &shiftOnPress(int x, int y)
    {
        target()->setShiftOnPress(QPoint(x, y));
        return self();
    }
    Self &eventPropagation(bool on = true)
    {
        target()->setEventPropagation(on);
        return self();
    }
    Self &checkable(bool on = true)
    {
        target()->setCheckable(on);
        return self();
    }
    // Designer sets it; no hand-written form does yet, the form generator will.
    Self &checked(bool on = true)
    {
        target()->setChecked(on);
        return self();
    }
    Self &autoRepeat(bool on = true)
    {
        target()->setAutoRepeat(on);
        return self();
    }
    Self &autoRepeatDelay(int milliseconds)
    {
        target()->setAutoRepeatDelay(milliseconds);
        return self();
    }
    Self &autoRepeatInterval(int milliseconds)
    {
        target()->setAutoRepeatInterval(milliseconds);
        return self();
    }
    Self &iconSize(int width, int height)
    {
        target()->setIconSize(QSize(width, height));
        return self();
    }
    Self &buttonText(const QString &text)
    {
        target()->setText(text);
        return self();
    }
    Self &checkedImage(const char *path)
    {
        detail::setImage(target(), detail::setter(&W::setCheckedImg), path);
        return self();
    }
    Self &uncheckedImage(const char *path)
    {
        detail::setImage(target(), detail::setter(&W::setUncheckedImg), path);
        return self();
    }
    Self &markPosition(int x, int y)
    {
        target()->setMarkPosition(QPoint(x, y));
        return self();
    }
    // A plain Qt button icon for the off and on states of a toggle, default size.
    Self &toggleIcon(const char *offPath, const char *onPath)
    {
        target()->setIcon(quarn::toggleIcon(offPath, onPath));
        return self();
    }
    Self &checkBoxFlag(bool on = true)
    {
        target()->setCheckBoxFlag(on);
        return self();
    }
    // A key's faces in the control's order: normal, focused, pressed, then the
    // disabled face where the key has one.
    Self &keyImages(const char *normalPath, const char *focusedPath, const char *pressedPath,
                    const char *disabledPath = nullptr)
    {
        target()->setKeyNormal(quarn::picture(normalPath));
        target()->setKeyFocused(quarn::picture(focusedPath));
        target()->setKeyPressed(quarn::picture(pressedPath));
        if (disabledPath)
            target()->setKeyDisabled(quarn::picture(disabledPath));
        return self();
    }
    Self &keyCode(int key)
    {
        target()->setKeyCode(key);
        return self();
    }
    Self &secondKeyCode(int key)
    {
        target()->setSecondKeyCode(key);
        return self();
    }

private:
    W *target() const { return static_cast<const Self *>(this)->object(); }
    Self &self() { return static_cast<Self &>(*this); }
};

} // namespace quarn
