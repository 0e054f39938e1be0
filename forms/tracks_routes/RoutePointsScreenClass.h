#pragma once

#include "controls/zel_controls.h"
#include "core/form_layout.h"

#include <QHBoxLayout>
#include <QSpacerItem>
#include <QWidget>

/* TRANSLATOR RoutePointsScreenClass

   Lists the points of a route.
*/
struct Ui_RoutePointsScreenClass : UiRecord {
    ZelWidget *Header;
    ZelPushButton *btnSubTitle;
    QWidget *horizontalLayoutWidget;
    QHBoxLayout *horizontalLayout_2;
    ZelIcon *iconPaneLocation_4;
    ZelTextBox *txtStatus_3;
    ZelTextBox *txtCount;
    ZelIcon *iconFlag;
    ZelTextBox *txtDistanceToolBar;
    QSpacerItem *horizontalSpacer;
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnMap;
    ZelPushButton *btnGo;
    ZelPushButton *btnContextMenu;
    ZelBacking *backing;
    ZelVirtualList *lvPoints;
};
