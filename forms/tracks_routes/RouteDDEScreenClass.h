#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "controls/zel_widget.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QWidget>

/* TRANSLATOR RouteDDEScreenClass

   Shows a route's distance and elevation figures.
*/
struct Ui_RouteDDEScreenClass : UiRecord {
    ZelPushButton *btnSubTitle;
    QWidget *layoutWidget_6;
    QHBoxLayout *horizontalLayout_6;
    ZelIcon *iconFlag;
    ZelTextBox *txtDistanceToolBar;
    ZelIcon *icon3DAbstract;
    ZelTextBox *txtElevation;
    ZelIcon *area;
    QWidget *layoutWidget_5;
    QHBoxLayout *horizontalLayout;
    ZelIcon *icon_2;
    ZelTextBox *Distance;
    ZelTextBox *txtDistance;
    QWidget *gridLayoutWidget;
    QGridLayout *gridLayout;
    ZelIcon *icon_3;
    ZelTextBox *Distance_2;
    ZelTextBox *txtElevationChange;
    ZelWidget *routeHeaderItem;
    ZelIcon *statusBar;
    ZelPushButton *btnGo;
    ZelPushButton *btnContextMenu;
    ZelPushButton *btnBack;
    ZelPushButton *btnMap;
};
