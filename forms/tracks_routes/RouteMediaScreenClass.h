#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_widget.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR RouteMediaScreenClass

   The media screen of a route.
*/
struct Ui_RouteMediaScreenClass : UiRecord {
    ZelWidget *routeHeaderItem;
    ZelIcon *statusBar;
    ZelPushButton *btnContextMenu;
    ZelPushButton *btnBack;
    ZelPushButton *btnGo;
    ZelPushButton *btnMap;
};
