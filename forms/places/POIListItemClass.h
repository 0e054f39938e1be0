#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

// One row of the point-of-interest list: icon, name, distance, elevation, direction and Go.
struct Ui_POIListItemClass : UiRecord {
    ZelIcon *ItemIcon;
    ZelPushButton *btnGo;
    ZelStatusIndicator *statDirection;
    ZelTextBox *textDirection;
    ZelTextBox *textName;
    ZelTextBox *txtElevation;
    ZelTextBox *textDistance;
};
