#pragma once

// The geocache screens' status image sets the host indexes into (the order is
// the host's contract).

#include <QStringList>

namespace quarn::geocache {

QStringList foundStatusSmallImages(); // not found, found, needs maintenance, not attempted
QStringList foundStatusPaneImages();  // the same states as pane-button icons
QStringList foundStatusMenuImages();  // the same states as menu icons
QStringList cacheSizeImages();        // micro, small, regular, large, other, not chosen
QStringList cacheSizeLargeImages();
QStringList ratingImages();    // twelve entries, half a star to five stars
QStringList largeStarImages(); // eleven entries, none to five stars in half steps
QStringList largeDirectionImages();
QStringList routingMethodImages(); // hike, pedestrian, bike, car
QStringList logTypeImages();       // seven entries; the field note comes twice

} // namespace quarn::geocache
