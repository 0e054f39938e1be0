#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

// One row of the waypoint list: type icon with marks, name, distance, height, direction and Go.
struct Ui_WptListItem : UiRecord {
    ZelIcon *iconWptType;
    ZelTextBox *txtWptName;
    ZelTextBox *txtDistance;
    ZelTextBox *txtHeight;
    ZelTextBox *txtDirection;
    ZelIcon *favoriteIcon;
    ZelPushButton *btnGo;
    ZelStatusIndicator *statDirection;
    ZelIcon *mediaIcon;
};
