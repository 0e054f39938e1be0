#pragma once

// The geocache screens' shared pieces: the status image sets the host indexes
// into (the order is the host's contract) and the map and go buttons of the
// detail pages' bottom bar.

#include "core/construction/row.h"
#include "controls/zel_push_button.h"

#include <QStringList>

namespace quarn::geocache {

QStringList foundStatusSmallImages();       // not found, found, needs maintenance, not attempted
QStringList foundStatusPaneImages();        // the same states as pane-button icons
QStringList foundStatusMenuImages();        // the same states as menu icons
QStringList cacheSizeImages();              // micro, small, regular, large, other, not chosen
QStringList cacheSizeLargeImages();
QStringList ratingImages();                 // twelve entries, half a star to five stars
QStringList largeStarImages();              // eleven entries, none to five stars in half steps
QStringList directionImages();              // clockwise from north in 45 degree steps
QStringList largeDirectionImages();
QStringList routingMethodImages();          // hike, pedestrian, bike, car
QStringList logTypeImages();                // seven entries; the field note comes twice

// The detail pages' bar: the map preview and go buttons between Back and the menu.
Row<ZelPushButton> mapButton(ZelPushButton *&field, QWidget *bottomBar);
Row<ZelPushButton> goButton(ZelPushButton *&field, QWidget *bottomBar);

} // namespace quarn::geocache
