#pragma once

#include "controls/zel_controls.h"
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
