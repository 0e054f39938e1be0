#pragma once

#include "controls/zel_animation_ctrl.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR CompassCalib3DScrClass

   The 3D compass calibration: the figure-8 instruction and animation, started from the bottom bar.
*/
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
