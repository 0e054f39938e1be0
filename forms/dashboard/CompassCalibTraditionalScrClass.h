#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

// The traditional 2D compass calibration: rotate the unit flat, keeping the blue arrow towards you.
struct Ui_CompassCalibTraditionalScrClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnToolBar;
    ZelPushButton *btnStart;
    ZelTextBox *lblStart;
    ZelTextBox *textInstruct;
    ZelIcon *iconTitleBar;
    ZelTextBox *textHeader;
    ZelIcon *icon_4;
    ZelIcon *iconTarget;
};
