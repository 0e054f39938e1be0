#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "controls/zel_virtual_list.h"
#include "controls/zel_widget.h"
#include "core/form_layout.h"

#include <QBoxLayout>
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
