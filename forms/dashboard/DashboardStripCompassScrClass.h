#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_strip_compass.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR DashboardStripCompassScrClass

   The strip compass: a horizontal compass strip with needles above the bottom bar.
*/
struct Ui_DashboardStripCompassScrClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnMenu;
    ZelPushButton *btnToolBar;
    zelStripCompass *stripCompass;
};
