#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_images.h"
#include "controls/zel_instruments.h"
#include "core/form_layout.h"

// The satellite status view: the sky view over a bar of two data fields.
struct Ui_DashboardSatelliteScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnMenu;
    ZelPushButton *btnToolBar;
    zelSatelliteView *satelliteView;
    ZelWidget *dashboardBar;
};
