#pragma once

#include "controls/zel_global.h"

#include <QByteArray>
#include <QPixmap>
#include <QString>

// A control's picture. Given decoded, it is that picture; given as a resource
// path and a loader, it is decoded the first time it is painted or asked for,
// so a screen decodes the faces it shows and not the pressed, focused or
// disabled ones it may never show. The path is copied, so a caller's
// temporary text may go at once.
class ZEL_EXPORT ZelPicture
{
public:
    using Loader = QPixmap (*)(const char *path);

    ZelPicture() = default;
    // Implicit, so that the controls' setters take a QPixmap as before.
    ZelPicture(const QPixmap &pixmap)
        : m_pixmap(pixmap)
    {
    }
    // Decoded at once while deferred decoding is off.
    ZelPicture(const char *path, Loader loader);

    // The picture, decoded now if it was not yet; null when the path gives none.
    const QPixmap &pixmap() const
    {
        if (m_loader)
            decode();
        return m_pixmap;
    }
    bool isNull() const { return pixmap().isNull(); }
    QSize size() const { return pixmap().size(); }
    // The path it came from, or null for a picture given decoded.
    const char *path() const { return m_path.isNull() ? nullptr : m_path.constData(); }
    bool isDecoded() const { return !m_loader; }

    // On by default. A host that wants every picture decoded while its screens
    // are built (all decoding cost up front, none at first paint) turns it off
    // once, before building them.
    static void setDeferredDecoding(bool on);
    static bool deferredDecoding();

    // A path a host gives as text, read by QPixmap's own loading: a file
    // path or a resource path, in any format Qt reads.
    static ZelPicture fromPath(const QString &path);

private:
    void decode() const;

    mutable QPixmap m_pixmap;
    QByteArray m_path;
    mutable Loader m_loader = nullptr;
};
