#pragma once

#include "controls/zel_animation_ctrl.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR ConnectedPCScreenClass

   Shown while the unit connects to a PC.
*/
struct Ui_ConnectedPCScreenClass : UiRecord {
    ZelIcon *icon_2;
    ZelTextBox *lblOffCourse_2;
    ZelIcon *icon;
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelTextBox *textBox;
    ZelTextBox *textBox_2;
    ZelAnimationCtrl *pAnimationCtrl;
};
