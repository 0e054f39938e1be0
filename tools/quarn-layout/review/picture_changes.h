#pragma once

#include <QImage>
#include <QRect>

namespace quarn::layouttool {

// Where two pictures of a form differ. A pixel that only one picture has
// (their sizes differ, or one is missing) counts as changed.
struct PictureChange {
    int pixels = 0; // how many changed
    QRect bounds;   // the smallest rectangle holding them all; empty when none did
    // The newer picture faded to grey, every changed pixel in kChangedPixel;
    // null when nothing changed.
    QImage difference;
};

inline constexpr QRgb kChangedPixel = 0xffff0000;

PictureChange comparePictures(const QImage &before, const QImage &after);

} // namespace quarn::layouttool
