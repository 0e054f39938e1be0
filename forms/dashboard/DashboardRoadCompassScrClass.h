#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_strip_compass.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR DashboardRoadCompassScrClass

   The road compass: a strip compass in road mode with zoom buttons.
*/
struct Ui_DashboardRoadCompassScrClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnMenu;
    ZelPushButton *btnToolBar;
    zelStripCompass *stripCompass;
    ZelPushButton *btnZoomIn;
    ZelPushButton *btnZoomOut;
};
