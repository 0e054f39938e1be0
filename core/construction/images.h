#pragma once

// Images come from the host's resources by path; a path the host lacks gives a
// null picture and the form is built all the same.
//
// Loaded pictures stay in QPixmapCache, once each and within its limit, so
// later builds do not load them again.
// A host that swaps in other images under the same paths (another resource
// bundle) calls QPixmapCache::clear() afterwards. Paths that gave no picture
// are not remembered: a bundle registered later is found.

#include <QIcon>
#include <QPixmap>
#include <QStringList>
#include <initializer_list>

namespace quarn {

QPixmap image(const char *resourcePath);
// A button icon built from two files, for the off and on states of a toggle;
// built once and shared for as long as its pictures stay in the cache.
QIcon toggleIcon(const char *offPath, const char *onPath);
QStringList imagePaths(std::initializer_list<const char *> resourcePaths);

} // namespace quarn
