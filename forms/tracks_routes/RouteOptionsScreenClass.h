#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_combo_box.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_status_indicator.h"
#include "controls/zel_text_box.h"
#include "controls/zel_widget.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QSpacerItem>
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
