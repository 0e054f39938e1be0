#include "core/construction/images.h"

#include <QCoreApplication>
#include <QHash>
#include <QImageReader>
#include <QLoggingCategory>
#include <QMutex>
#include <QPixmapCache>
#include <QResource>
#include <QSet>
#include <QThread>

namespace quarn {

namespace {

// QPixmap and its cache belong to the GUI thread; so do the memos here.
bool inGuiThread()
{
    const QCoreApplication *application = QCoreApplication::instance();
    return application && QThread::currentThread() == application->thread();
}

// Info, so off by default: hosts without the picture files (tests, tools
// without the placeholder bundle) would see a line per picture.
Q_LOGGING_CATEGORY(lcLayout, "quarn.layout", QtWarningMsg)

// Once per path for the life of the process. Only a failed load gets here, and
// with the category off it costs one flag test.
void reportMissing(const QByteArray &path, const QString &reason)
{
    if (!lcLayout().isInfoEnabled())
        return;
    static QMutex mutex;
    static QSet<QByteArray> reported;
    {
        QMutexLocker locker(&mutex);
        if (reported.contains(path))
            return;
        reported.insert(QByteArray(path.constData(), path.size()));
    }
    qCInfo(lcLayout, "No picture at %s: %ls", path.constData(), qUtf16Printable(reason));
}

} // namespace

// Pictures already loaded, by path, as keys into QPixmapCache: a warm build
// neither builds a string key nor asks for the file's modification time, as
// QPixmap::load does for its own cache key. A key goes stale when the host
// clears QPixmapCache (or the cache evicts the picture), and the picture is
// loaded again.
QPixmap image(const char *resourcePath)
{
    static QHash<QByteArray, QPixmapCache::Key> loaded;
    const bool guiThread = inGuiThread();
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
    if (fileName.startsWith(QLatin1Char(':')) && !QResource(fileName).isValid()) {
        reportMissing(path, QStringLiteral("no such resource"));
        return pixmap;
    }
    // Decoded without QPixmap::load, which would keep a second entry of the
    // same picture in the cache under its own key and so halve what fits.
    QImageReader reader(fileName);
    pixmap = QPixmap::fromImage(reader.read());
    if (pixmap.isNull()) {
        reportMissing(path, reader.errorString());
        return pixmap;
    }
    // Debug, so off unless asked for: which pictures a screen decodes, and when.
    qCDebug(lcLayout, "Decoded %s", path.constData());
    if (guiThread)
        loaded.insert(QByteArray(resourcePath), QPixmapCache::insert(pixmap));
    return pixmap;
}

ZelPicture picture(const char *resourcePath)
{
    return ZelPicture(resourcePath, &image);
}

namespace {

// A path that gives no picture still goes to addFile, which adds nothing but
// leaves the icon non-null, as it always did (addPixmap would leave it null).
void addPicture(QIcon &icon, const QPixmap &pixmap, const char *path, QIcon::State state)
{
    if (pixmap.isNull())
        icon.addFile(QString::fromUtf8(path), QSize(), QIcon::Normal, state);
    else
        icon.addPixmap(pixmap, QIcon::Normal, state);
}

} // namespace

QIcon toggleIcon(const char *offPath, const char *onPath)
{
    // Made from image()'s pixmaps, so the pictures are decoded once for both.
    // The icon is built again when the pictures were loaded again (the host
    // cleared the cache), so another bundle shows in it too.
    struct Kept {
        QIcon icon;
        qint64 offKey = 0;
        qint64 onKey = 0;
    };
    static QHash<QByteArray, Kept> kept;
    const QPixmap off = image(offPath);
    const QPixmap on = image(onPath);
    const bool guiThread = inGuiThread();
    const QByteArray key = QByteArray(offPath) + '\n' + onPath;
    if (guiThread) {
        const auto it = kept.constFind(key);
        if (it != kept.constEnd() && !off.isNull() && !on.isNull() && it->offKey == off.cacheKey()
            && it->onKey == on.cacheKey())
            return it->icon;
    }
    QIcon icon;
    addPicture(icon, off, offPath, QIcon::Off);
    addPicture(icon, on, onPath, QIcon::On);
    if (guiThread)
        kept.insert(key, {icon, off.cacheKey(), on.cacheKey()});
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
