#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_widget.h"
#include "core/form_layout.h"

#include <QWidget>

struct Ui_GeocachePicturesScreenClass : UiRecord {
    ZelWidget *GeocacheHeaderWidget;
    ZelIcon *statusBar;
    ZelPushButton *btnContextMenu;
    ZelPushButton *btnBack;
    ZelPushButton *btnMap;
    ZelPushButton *btnGo;
};
