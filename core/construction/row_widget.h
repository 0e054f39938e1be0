#pragma once

// Settings every widget has: geometry, size, palette and font first, in the
// order a row applies them, then focus, background and style.
//
// A part of Row (row.h): Self is the Row, so that a row's settings chain.

#include "core/construction/images.h"
#include "core/construction/look.h"
#include "core/construction/row_setters.h"

#include <QFont>
#include <QPalette>
#include <QSize>
#include <QSizePolicy>
#include <QWidget>

namespace quarn {

template <typename W, typename Self>
class WidgetSettings
{
public:
    Self &enabled(bool on = true)
    {
        target()->setEnabled(on);
        return self();
    }
    Self &at(int x, int y, int width, int height)
    {
        detail::place(target(), x, y, width, height);
        return self();
    }
    // Stretch 0 unless given; height-for-width is kept from the current policy.
    Self &sizePolicy(QSizePolicy::Policy horizontal, QSizePolicy::Policy vertical, int horizontalStretch = 0,
                     int verticalStretch = 0)
    {
        detail::setSizePolicy(target(), horizontal, vertical, horizontalStretch, verticalStretch);
        return self();
    }
    Self &minSize(int width, int height)
    {
        target()->setMinimumSize(QSize(width, height));
        return self();
    }
    Self &maxSize(int width, int height)
    {
        target()->setMaximumSize(QSize(width, height));
        return self();
    }
    Self &baseSize(int width, int height)
    {
        detail::setBaseSize(target(), width, height);
        return self();
    }
    Self &sizeIncrement(int width, int height)
    {
        detail::setSizeIncrement(target(), width, height);
        return self();
    }
    Self &palette(const QPalette &palette)
    {
        target()->setPalette(palette);
        return self();
    }
    // The shared palette of these colours.
    Self &palette(const Colours &colours)
    {
        target()->setPalette(colours.palette());
        return self();
    }
    // The control's own font setter where it has one, else the widget font.
    Self &font(const QFont &font)
    {
        target()->setFont(font);
        return self();
    }
    Self &font(const Font &font)
    {
        target()->setFont(font.font());
        return self();
    }
    Self &widgetFont(const QFont &font)
    {
        static_cast<QWidget *>(target())->setFont(font);
        return self();
    }
    Self &widgetFont(const Font &font)
    {
        static_cast<QWidget *>(target())->setFont(font.font());
        return self();
    }
    Self &layoutDirection(Qt::LayoutDirection direction)
    {
        target()->setLayoutDirection(direction);
        return self();
    }
    Self &autoFillBackground(bool on = true)
    {
        target()->setAutoFillBackground(on);
        return self();
    }
    Self &noAutoFillBackground() { return autoFillBackground(false); }
    Self &noFocus()
    {
        target()->setFocusPolicy(Qt::NoFocus);
        return self();
    }
    // Designer sets it; no hand-written form does yet, the form generator will.
    Self &focusPolicy(Qt::FocusPolicy policy)
    {
        target()->setFocusPolicy(policy);
        return self();
    }
    Self &styleSheet(const QString &sheet)
    {
        target()->setStyleSheet(sheet);
        return self();
    }
    // Designer's hidden widget: stays hidden when the host shows the root.
    Self &hidden()
    {
        target()->setVisible(false);
        return self();
    }

private:
    W *target() const { return static_cast<const Self *>(this)->object(); }
    Self &self() { return static_cast<Self &>(*this); }
};

} // namespace quarn
