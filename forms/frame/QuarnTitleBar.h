#pragma once

#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

// The status strip across the top of every screen.
struct Ui_QuarnTitleBar : UiRecord {
    ZelTextBox *txtTime;
    ZelStatusIndicator *statusBattery;
    ZelStatusIndicator *statusGPS;
    ZelIcon *iconBacklight;
    ZelIcon *iconTracking;
    ZelStatusIndicator *statusCompassCalibration;
};
