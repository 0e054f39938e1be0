#include "controls/zel_picture.h"

#include <QString>

#include <atomic>

namespace {

std::atomic<bool> g_deferred{true};

QPixmap loadFile(const char *path)
{
    return QPixmap(QString::fromUtf8(path));
}

} // namespace

ZelPicture::ZelPicture(const char *path, Loader loader)
    : m_path(path)
    , m_loader(loader)
{
    if (!g_deferred.load(std::memory_order_relaxed))
        decode();
}

void ZelPicture::decode() const
{
    const Loader loader = m_loader;
    m_loader = nullptr;
    if (loader && !m_path.isNull())
        m_pixmap = loader(m_path.constData());
}

ZelPicture ZelPicture::fromPath(const QString &path)
{
    return ZelPicture(path.toUtf8().constData(), &loadFile);
}

void ZelPicture::setDeferredDecoding(bool on)
{
    g_deferred.store(on, std::memory_order_relaxed);
}

bool ZelPicture::deferredDecoding()
{
    return g_deferred.load(std::memory_order_relaxed);
}
