#include "core/construction/images.h"

namespace quarn {

QPixmap image(const char *resourcePath)
{
    return QPixmap(QString::fromUtf8(resourcePath));
}

QStringList imagePaths(std::initializer_list<const char *> resourcePaths)
{
    QStringList paths;
    paths.reserve(int(resourcePaths.size()));
    for (const char *path : resourcePaths)
        paths.append(QString::fromUtf8(path));
    return paths;
}

} // namespace quarn
