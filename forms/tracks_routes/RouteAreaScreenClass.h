#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "controls/zel_widget.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR RouteAreaScreenClass

   Shows the area enclosed by a route.
*/
struct Ui_RouteAreaScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnContextMenu;
    ZelPushButton *btnMap;
    ZelPushButton *btnGo;
    ZelWidget *routeHeaderItem;
    ZelIcon *icon_AreaHolder;
    ZelTextBox *lbl_Perimeter;
    ZelTextBox *lbl_Area;
    ZelTextBox *lbl_PerimeterVal;
    ZelTextBox *lbl_AreaVal;
    QWidget *MapWidget;
    ZelPushButton *btnSubTitle;
    ZelTextBox *lbl_AreaCalculation;
    ZelIcon *iconPaneLocation_6;
};
