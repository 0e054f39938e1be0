#pragma once

#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

// The header of a point of interest's screens: icon and name on the title strip.
struct Ui_POIHeaderItemClass : UiRecord {
    ZelIcon *iconPOI;
    ZelTextBox *txtPOIName;
};
