#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_satellite_view.h"
#include "controls/zel_widget.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR DashboardSatelliteScreenClass

   The satellite status view: the sky view over a bar of two data fields.
*/
struct Ui_DashboardSatelliteScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnMenu;
    ZelPushButton *btnToolBar;
    zelSatelliteView *satelliteView;
    ZelWidget *dashboardBar;
};
