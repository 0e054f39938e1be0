#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_images.h"
#include "core/form_layout.h"

// The photo pad with a rotate button.
struct Ui_MediaPhotoPadScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnCenter;
    ZelPushButton *btnContextMenu;
    ZelIcon *iconGrabScr;
};
