#pragma once

#include "controls/zel_animation_ctrl.h"
#include "controls/zel_backing.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR CompassCalibrateScreenClass

   Compass calibration by the figure-8 motion: title, instruction and the motion's animation.
*/
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
