#pragma once

// Images come from the host's resources by path; a path the host lacks gives a
// null picture and the form is built all the same.

#include <QPixmap>
#include <QStringList>
#include <initializer_list>

namespace quarn {

QPixmap image(const char *resourcePath);
QStringList imagePaths(std::initializer_list<const char *> resourcePaths);

} // namespace quarn
