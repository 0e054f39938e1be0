#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

// Compass calibration by the figure-8 motion: title, instruction and the motion's animation.
struct Ui_CompassCalibrateScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelAnimationCtrl *AnimationCtrl;
    ZelIcon *icon;
    ZelTextBox *labelName_2;
    ZelIcon *icon_4;
    ZelBacking *backing;
    ZelTextBox *textBox;
};
