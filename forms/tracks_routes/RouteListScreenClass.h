#pragma once

#include "controls/zel_controls.h"
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
