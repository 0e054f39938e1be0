#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_containers.h"
#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

// The choice of where a new waypoint comes from.
struct Ui_WptCreateScreenClass : UiRecord {
    ZelIcon *icon;
    ZelTextBox *labelName;
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelList *listCreateWaypoint;
};
