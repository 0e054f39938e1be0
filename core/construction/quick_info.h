#pragma once

// The pieces the quick-info bars and the map bubbles share. The host picks
// the shown image of each indicator by index, so the order of every list here
// is part of what it relies on.

#include "core/construction/root.h"
#include "core/construction/row.h"
#include "controls/zel_status_indicator.h"
#include "controls/zel_text_box.h"

namespace quarn {

// A quick-info bar: a 240 x 76 strip placed 20 px down, on the bar background.
Root quickInfoBarRoot(QWidget *root, const char *registrationName);
// A bubble of 222 x 75 on the bubble background; the offset is where it points
// at the object.
Root mapBubbleRoot(QWidget *root, const char *registrationName, int offsetX, int offsetY);

// The 25 x 22 arrow towards the object: eight images clockwise from north.
Row<ZelStatusIndicator> directionIndicator(ZelStatusIndicator *&field, QWidget *parent, int x, int y);
// Found, not found, needs maintenance.
Row<ZelStatusIndicator> geocacheStatusIndicator(ZelStatusIndicator *&field, QWidget *parent, int x, int y);
// Micro, small, regular, large, other, not chosen.
Row<ZelStatusIndicator> geocacheSizeIndicator(ZelStatusIndicator *&field, QWidget *parent, int x, int y);

// Read-outs of the line under the name. Coordinates take the room they need;
// distance, bearing and elevation no more than their text. Both keep to the
// line's height.
Row<ZelTextBox> coordinateReadOut(ZelTextBox *&field, QWidget *line, const char *objectName);
Row<ZelTextBox> valueReadOut(ZelTextBox *&field, QWidget *line, const char *objectName);

} // namespace quarn
