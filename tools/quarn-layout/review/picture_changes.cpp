#include "review/picture_changes.h"

#include <QColor>

namespace quarn::layouttool {

namespace {

// Grey and pale enough that the marked pixels stand out, yet the form is
// still recognisable around them; never pure red.
QRgb faded(QRgb pixel)
{
    const int grey = qGray(pixel);
    const int pale = 255 - (255 - grey) / 3;
    return qRgb(pale, pale, pale);
}

} // namespace

PictureChange comparePictures(const QImage &before, const QImage &after)
{
    const QImage old = before.convertToFormat(QImage::Format_ARGB32);
    const QImage now = after.convertToFormat(QImage::Format_ARGB32);
    const QSize size = old.size().expandedTo(now.size());
    PictureChange change;
    if (size.isEmpty())
        return change;
    QImage difference(size, QImage::Format_ARGB32);
    int left = size.width(), top = size.height(), right = -1, bottom = -1;
    for (int y = 0; y < size.height(); ++y) {
        const bool inOld = y < old.height();
        const bool inNow = y < now.height();
        const auto *oldLine = inOld ? reinterpret_cast<const QRgb *>(old.constScanLine(y)) : nullptr;
        const auto *nowLine = inNow ? reinterpret_cast<const QRgb *>(now.constScanLine(y)) : nullptr;
        auto *out = reinterpret_cast<QRgb *>(difference.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const bool hasOld = oldLine && x < old.width();
            const bool hasNow = nowLine && x < now.width();
            const bool same = hasOld && hasNow && oldLine[x] == nowLine[x];
            if (same) {
                out[x] = faded(nowLine[x]);
                continue;
            }
            out[x] = kChangedPixel;
            ++change.pixels;
            left = qMin(left, x);
            right = qMax(right, x);
            top = qMin(top, y);
            bottom = qMax(bottom, y);
        }
    }
    if (change.pixels > 0) {
        change.bounds = QRect(QPoint(left, top), QPoint(right, bottom));
        change.difference = difference;
    }
    return change;
}

} // namespace quarn::layouttool
