#pragma once

#include <QByteArray>
#include <QCryptographicHash>
#include <QImage>

namespace quarn::placeholders {

// A digest of what an image shows, independent of the pixel format it was
// stored in: two images with the same digest cannot be told apart on screen.
// The placeholder generator refuses duplicates by it, and hosts map a control's
// pixmap back to its resource path by it.
inline QByteArray imageDigest(const QImage &image)
{
    const QImage canonical = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    const qint32 size[2] = {canonical.width(), canonical.height()};
    hash.addData(QByteArray::fromRawData(reinterpret_cast<const char *>(size), sizeof size));
    const int rowBytes = canonical.width() * 4;
    for (int y = 0; y < canonical.height(); ++y)
        hash.addData(QByteArray::fromRawData(reinterpret_cast<const char *>(canonical.constScanLine(y)), rowBytes));
    return hash.result();
}

} // namespace quarn::placeholders
