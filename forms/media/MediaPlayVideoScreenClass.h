#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_images.h"
#include "core/form_layout.h"

// The video player.
struct Ui_MediaPlayVideoScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnCenter;
    ZelPushButton *btnContextMenu;
    ZelIcon *iconGrabScr;
};
