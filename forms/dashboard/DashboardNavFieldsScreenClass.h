#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_images.h"
#include "core/form_layout.h"

// The data-fields-only dashboard: 1 to 14 data fields filling the screen.
struct Ui_DashboardNavFieldsScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnMenu;
    ZelPushButton *btnToolBar;
    ZelWidget *dashboardBar;
};
