#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_images.h"
#include "controls/zel_instruments.h"
#include "core/form_layout.h"

// The strip compass: a horizontal compass strip with needles above the bottom bar.
struct Ui_DashboardStripCompassScrClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnMenu;
    ZelPushButton *btnToolBar;
    zelStripCompass *stripCompass;
};
