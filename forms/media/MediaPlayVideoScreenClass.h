#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR MediaPlayVideoScreenClass

   The video player.
*/
struct Ui_MediaPlayVideoScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnCenter;
    ZelPushButton *btnContextMenu;
    ZelIcon *iconGrabScr;
};
