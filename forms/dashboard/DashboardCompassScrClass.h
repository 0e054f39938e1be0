#pragma once

#include "controls/zel_compass.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR DashboardCompassScrClass

   The full compass dashboard: a 240 px compass above the bottom bar.
*/
struct Ui_DashboardCompassScrClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnMenu;
    ZelPushButton *btnToolBar;
    zelCompass *compass;
};
