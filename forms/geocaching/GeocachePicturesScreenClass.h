#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_widget.h"
#include "core/form_layout.h"

// The pictures page; the form provides only the header area and the
// bottom bar, and the host fills the rest of the screen.
struct Ui_GeocachePicturesScreenClass : UiRecord {
    ZelWidget *GeocacheHeaderWidget;
    ZelIcon *statusBar;
    ZelPushButton *btnContextMenu;
    ZelPushButton *btnBack;
    ZelPushButton *btnMap;
    ZelPushButton *btnGo;
};
