#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_area.h"
#include "controls/zel_text_box.h"
#include "controls/zel_widget.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR RouteDescriptionScreenClass

   Shows a route's description.
*/
struct Ui_RouteDescriptionScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnGo;
    ZelPushButton *btnBack;
    ZelPushButton *btnContextMenu;
    ZelPushButton *btnMap;
    ZelWidget *routeHeaderItem;
    ZelPushButton *btnDescription;
    ZelTextBox *label_3;
    ZelIcon *iconPaneLocation_3;
    ZelBacking *backing;
    ZelTextArea *txtDescription;
};
