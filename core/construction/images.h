#pragma once

// Images come from the host's resources by path; a path the host lacks gives a
// null picture and the form is built all the same.
//
// Controls are given a picture's path (picture()) and decode it through image()
// the first time it is painted or asked for, so a screen decodes what it shows;
// ZelPicture::setDeferredDecoding(false) has every picture decoded as it is set.
//
// Loaded pictures stay in QPixmapCache, once each and within its limit, so
// later builds do not load them again.
// A host that swaps in other images under the same paths (another resource
// bundle) calls QPixmapCache::clear() afterwards. Paths that gave no picture
// are not remembered: a bundle registered later is found.

#include "controls/zel_picture.h"

#include <QIcon>
#include <QPixmap>
#include <QStringList>
#include <initializer_list>

namespace quarn {

QPixmap image(const char *resourcePath);
// The picture at a path, decoded by image() when first painted or asked for.
// The path must outlive the picture, as a form's literal paths do.
ZelPicture picture(const char *resourcePath);
// A button icon of two pictures, for the off and on states of a toggle, made
// from image()'s pixmaps; built once and shared for as long as its pictures
// stay in the cache.
QIcon toggleIcon(const char *offPath, const char *onPath);
QStringList imagePaths(std::initializer_list<const char *> resourcePaths);

} // namespace quarn
