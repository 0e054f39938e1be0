#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_images.h"
#include "controls/zel_instruments.h"
#include "core/form_layout.h"

// The full compass dashboard: a 240 px compass above the bottom bar.
struct Ui_DashboardCompassScrClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnMenu;
    ZelPushButton *btnToolBar;
    zelCompass *compass;
};
