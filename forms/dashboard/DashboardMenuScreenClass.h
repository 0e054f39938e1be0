#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QWidget>

/* TRANSLATOR DashboardMenuScreenClass

   The dashboard menu: round buttons for the instrument screens under three caption strips.
*/
struct Ui_DashboardMenuScreenClass : UiRecord {
    ZelPushButton *btnSatellite;
    ZelIcon *iconSatellite;
    ZelPushButton *btnBarometer;
    ZelIcon *iconBarometer;
    ZelPushButton *btnAltimeter;
    ZelIcon *iconAltimeter;
    ZelPushButton *btnDashboard;
    ZelIcon *iconDashboard;
    ZelPushButton *btnDataFields;
    ZelIcon *iconDataFields;
    ZelPushButton *btnProfiles;
    ZelIcon *iconProfiles;
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnContextMenu;
    QWidget *horizontalLayoutWidget;
    QHBoxLayout *horizontalLayout_4;
    ZelPushButton *btnCompass;
    ZelIcon *iconCompass;
    ZelPushButton *btnRoadCompass;
    ZelIcon *iconRoadCompass;
    ZelPushButton *btnStripCompass;
    ZelIcon *iconStripCompass;
    ZelPushButton *btnTracks;
    ZelIcon *iconTracks;
    ZelBacking *backing;
    QWidget *layoutWidget;
    QHBoxLayout *horizontalLayout;
    ZelTextBox *label;
    ZelTextBox *label_8;
    ZelTextBox *label_2;
    ZelBacking *backing_2;
    QWidget *layoutWidget1;
    QHBoxLayout *horizontalLayout_2;
    ZelTextBox *satelliteLabel;
    ZelTextBox *barometerLabel;
    ZelTextBox *altimeterLabel;
    ZelBacking *backing_3;
    QWidget *layoutWidget2;
    QHBoxLayout *horizontalLayout_3;
    ZelTextBox *label_6;
    ZelTextBox *label_10;
    ZelTextBox *label_5;
};
