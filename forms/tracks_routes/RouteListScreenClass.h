#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "controls/zel_virtual_list.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR RouteListScreenClass

   The route list.
*/
struct Ui_RouteListScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnContextMenu;
    QWidget *ScrollButtonsWidget;
    ZelVirtualList *lvRoutes;
    ZelPushButton *titleButton;
    ZelBacking *backing;
    ZelTextBox *txtWaypoints;
    ZelTextBox *txtNumOfCaches;
    ZelTextBox *txtFilter;
    ZelTextBox *txtCurPage;
    ZelIcon *icon;
};
