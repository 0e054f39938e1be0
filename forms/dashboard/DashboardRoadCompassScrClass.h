#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_images.h"
#include "controls/zel_instruments.h"
#include "core/form_layout.h"

// The road compass: a strip compass in road mode with zoom buttons.
struct Ui_DashboardRoadCompassScrClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnMenu;
    ZelPushButton *btnToolBar;
    zelStripCompass *stripCompass;
    ZelPushButton *btnZoomIn;
    ZelPushButton *btnZoomOut;
};
