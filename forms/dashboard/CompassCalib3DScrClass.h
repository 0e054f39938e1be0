#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

// The 3D compass calibration: the figure-8 instruction and animation, started from the bottom bar.
struct Ui_CompassCalib3DScrClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnStart;
    ZelTextBox *lblStart;
    ZelPushButton *btnToolBar;
    ZelAnimationCtrl *AnimationCtrl;
    ZelIcon *icon;
    ZelTextBox *labelName_2;
    ZelIcon *icon_4;
    ZelTextBox *textBox;
};
