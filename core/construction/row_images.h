#pragma once

// Pictures by resource path: single images, button faces, status image sets
// and animations.
//
// A part of Row (row.h): Self is the Row, so that a row's settings chain.

#include "core/construction/images.h"
#include "core/construction/row_setters.h"

#include <QPixmap>
#include <QStringList>
#include <initializer_list>

namespace quarn {

template <typename W, typename Self>
class ImageSettings
{
public:
    Self &image(const char *path)
    {
        detail::setImage(target(), detail::setter(&W::setImage), path);
        return self();
    }
    Self &normal(const char *path)
    {
        detail::setImage(target(), detail::setter(&W::setNormal), path);
        return self();
    }
    Self &pressed(const char *path)
    {
        detail::setImage(target(), detail::setter(&W::setPressed), path);
        return self();
    }
    Self &focused(const char *path)
    {
        detail::setImage(target(), detail::setter(&W::setFocused), path);
        return self();
    }
    Self &stateImage(const char *path)
    {
        detail::setImage(target(), detail::setter(&W::setStateImage), path);
        return self();
    }
    // normal / pressed in one go, the pair most buttons have.
    Self &faces(const char *normalPath, const char *pressedPath) { return normal(normalPath).pressed(pressedPath); }
    Self &statusImages(std::initializer_list<const char *> paths)
    {
        detail::setImageList(target(), detail::setter<W, const QStringList &>(&W::setImages), paths);
        return self();
    }
    Self &status(int index)
    {
        target()->setStatus(index);
        return self();
    }
    // An image set shared by several screens.
    Self &statusImages(const QStringList &paths)
    {
        target()->setImages(paths);
        return self();
    }
    Self &pixmap(const char *path)
    {
        target()->setPixmap(quarn::image(path));
        return self();
    }
    Self &animationImages(std::initializer_list<const char *> paths)
    {
        target()->setImageList(imagePaths(paths));
        return self();
    }
    Self &interval(int milliseconds)
    {
        target()->setInterval(milliseconds);
        return self();
    }
    Self &looped(bool on = true)
    {
        target()->setIsLooped(on);
        return self();
    }

private:
    W *target() const { return static_cast<const Self *>(this)->object(); }
    Self &self() { return static_cast<Self &>(*this); }
};

} // namespace quarn
