#include "core/construction/images.h"

#include <QFile>
#include <QPixmapCache>

namespace quarn {

// Looked up under a key of our own before loading: QPixmap::load keys its
// cache on the file's modification time, and asking for that on every build
// costs more than building the form.
QPixmap image(const char *resourcePath)
{
    const QString path = QString::fromUtf8(resourcePath);
    const QString key = QLatin1String("quarn:") + path;
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    // A resource the host lacks is not remembered, so that a bundle registered
    // later is found; asking the in-memory resource tree is cheap, load() is not.
    if (path.startsWith(QLatin1Char(':')) && !QFile::exists(path))
        return pixmap;
    if (pixmap.load(path))
        QPixmapCache::insert(key, pixmap);
    return pixmap;
}

QIcon toggleIcon(const char *offPath, const char *onPath)
{
    // addFile would decode both pictures again on every build.
    QIcon icon;
    icon.addPixmap(image(offPath), QIcon::Normal, QIcon::Off);
    icon.addPixmap(image(onPath), QIcon::Normal, QIcon::On);
    return icon;
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
