#pragma once

#include "controls/zel_controls.h"
#include "core/form_layout.h"

#include <QSpacerItem>
#include <QVBoxLayout>
#include <QWidget>

/* TRANSLATOR RouteOptionsScreenClass

   Holds a route's options.
*/
struct Ui_RouteOptionsScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelWidget *statusBarButtonsView;
    ZelPushButton *btnMap;
    ZelPushButton *btnGo;
    ZelPushButton *btnContextMenu;
    ZelPushButton *btnSubTitle;
    ZelTextBox *dateTimeLabel_2;
    ZelStatusIndicator *iconOptions;
    ZelIcon *iconPaneLocation_2;
    ZelPushButton *btnDelete;
    ZelTextBox *labelPictures;
    ZelTextBox *txtWaypointSource;
    ZelWidget *routeHeaderItem;
    ZelBacking *backing;
    QWidget *layoutWidget;
    QVBoxLayout *verticalLayout;
    ZelComboBox *cmbRouteMethod;
    ZelComboBox *cmbRouteVehicle;
    ZelPushButton *btnOptions;
    ZelTextBox *btnOptionsTitle;
    QSpacerItem *verticalSpacer;
};
