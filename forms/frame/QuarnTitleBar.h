#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_status_indicator.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR QuarnTitleBar

   The status strip across the top of every screen.
*/
struct Ui_QuarnTitleBar : UiRecord {
    ZelTextBox *txtTime;
    ZelStatusIndicator *statusBattery;
    ZelStatusIndicator *statusGPS;
    ZelIcon *iconBacklight;
    ZelIcon *iconTracking;
    ZelStatusIndicator *statusCompassCalibration;
};
