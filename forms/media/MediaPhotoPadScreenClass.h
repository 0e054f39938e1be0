#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR MediaPhotoPadScreenClass

   The photo pad with a rotate button.
*/
struct Ui_MediaPhotoPadScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnCenter;
    ZelPushButton *btnContextMenu;
    ZelIcon *iconGrabScr;
};
