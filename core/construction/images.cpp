#include "core/construction/images.h"

#include <QCoreApplication>
#include <QHash>
#include <QImageReader>
#include <QPixmapCache>
#include <QResource>
#include <QThread>

namespace quarn {

// Pictures already loaded, by path, as keys into QPixmapCache: a warm build
// neither builds a string key nor asks for the file's modification time, as
// QPixmap::load does for its own cache key. A key goes stale when the host
// clears QPixmapCache (or the cache evicts the picture), and the picture is
// loaded again.
QPixmap image(const char *resourcePath)
{
    static QHash<QByteArray, QPixmapCache::Key> loaded;
    // QPixmap and its cache belong to the GUI thread; so does this memo.
    const QCoreApplication *application = QCoreApplication::instance();
    const bool guiThread = application && QThread::currentThread() == application->thread();
    const QByteArray path = QByteArray::fromRawData(resourcePath, int(qstrlen(resourcePath)));
    QPixmap pixmap;
    if (guiThread) {
        const auto it = loaded.constFind(path);
        if (it != loaded.constEnd() && QPixmapCache::find(*it, &pixmap))
            return pixmap;
    }
    const QString fileName = QString::fromUtf8(path);
    // A resource the host lacks is not remembered, so that a bundle registered
    // later is found; asking the in-memory resource tree is cheap, load() is not.
    if (fileName.startsWith(QLatin1Char(':')) && !QResource(fileName).isValid())
        return pixmap;
    // Decoded without QPixmap::load, which would keep a second entry of the
    // same picture in the cache under its own key and so halve what fits.
    pixmap = QPixmap::fromImage(QImageReader(fileName).read());
    if (!pixmap.isNull() && guiThread)
        loaded.insert(QByteArray(resourcePath), QPixmapCache::insert(pixmap));
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
