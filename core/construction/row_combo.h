#pragma once

// Combo boxes and their popup lists, and spin boxes.
//
// A part of Row (row.h): Self is the Row, so that a row's settings chain.

#include "core/construction/images.h"
#include "core/construction/row_setters.h"

#include <QComboBox>
#include <QPixmap>
#include <QPoint>

namespace quarn {

template <typename W, typename Self>
class ComboSettings
{
public:
    Self &textMargin(int margin)
    {
        target()->setTextMargin(margin);
        return self();
    }
    // Combo boxes that spell their look out instead of the standard one.
    Self &arrowNormal(const char *path)
    {
        target()->setArrowNormal(quarn::picture(path));
        return self();
    }
    Self &arrowPressed(const char *path)
    {
        target()->setArrowPressed(quarn::picture(path));
        return self();
    }
    Self &arrowOrigin(int x, int y)
    {
        target()->setArrowOrigin(QPoint(x, y));
        return self();
    }
    Self &itemNormal(const char *path)
    {
        target()->setItemNormal(quarn::picture(path));
        return self();
    }
    Self &itemFocused(const char *path)
    {
        target()->setItemFocused(quarn::picture(path));
        return self();
    }
    Self &itemPressed(const char *path)
    {
        target()->setItemPressed(quarn::picture(path));
        return self();
    }
    Self &arrowImages(const char *normalPath, const char *pressedPath)
    {
        target()->setArrowNormal(quarn::picture(normalPath));
        target()->setArrowPressed(quarn::picture(pressedPath));
        return self();
    }
    Self &itemImages(const char *normalPath, const char *focusedPath, const char *pressedPath)
    {
        target()->setItemNormal(quarn::picture(normalPath));
        target()->setItemFocused(quarn::picture(focusedPath));
        target()->setItemPressed(quarn::picture(pressedPath));
        return self();
    }
    Self &sizeAdjustPolicy(QComboBox::SizeAdjustPolicy policy)
    {
        target()->setSizeAdjustPolicy(policy);
        return self();
    }
    Self &spinArrows(const char *upNormal, const char *upPressed, const char *downNormal, const char *downPressed)
    {
        detail::setImage(target(), detail::setter(&W::setUpArrowNormal), upNormal);
        detail::setImage(target(), detail::setter(&W::setUpArrowPressed), upPressed);
        detail::setImage(target(), detail::setter(&W::setDownArrowNormal), downNormal);
        detail::setImage(target(), detail::setter(&W::setDownArrowPressed), downPressed);
        return self();
    }
    Self &spinBackground(const char *path)
    {
        detail::setImage(target(), detail::setter(&W::setBackground), path);
        return self();
    }
    Self &blocking(bool on = true)
    {
        target()->setBlocking(on);
        return self();
    }
    Self &cyclic(bool on = true)
    {
        target()->setCyclic(on);
        return self();
    }
    Self &fontSize(int points)
    {
        target()->setFontSize(points);
        return self();
    }
    Self &maxValue(int value)
    {
        target()->setMaxValue(value);
        return self();
    }
    // The combo box's first and second further integers.
    Self &popupItemMargin(int margin)
    {
        target()->setPopupItemMargin(margin);
        return self();
    }
    Self &popupItemSpacing(int spacing)
    {
        target()->setPopupItemSpacing(spacing);
        return self();
    }
    Self &autoCompletion(bool on)
    {
        target()->setAutoCompletion(on);
        return self();
    }

private:
    W *target() const { return static_cast<const Self *>(this)->object(); }
    Self &self() { return static_cast<Self &>(*this); }
};

} // namespace quarn
