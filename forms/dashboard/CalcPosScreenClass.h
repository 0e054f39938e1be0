#pragma once

#include "controls/zel_animation_ctrl.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR CalcPosScreenClass

   The position-averaging popup: progress, estimated accuracy, the averaged position and a radar ping.
*/
struct Ui_CalcPosScreenClass : UiRecord {
    ZelTextBox *txtTitle;
    ZelTextBox *txtTitle_2;
    ZelTextBox *txtWait;
    ZelTextBox *txtTime;
    ZelTextBox *txtTimeUnit;
    ZelPushButton *btnClose;
    ZelTextBox *txtTitle_3;
    ZelTextBox *txtLatitudeLabel;
    ZelTextBox *txtLatitude;
    ZelTextBox *txtLongitudeLabel;
    ZelTextBox *txtLongitude;
    ZelPushButton *btnDone;
    ZelTextBox *txtLabelDone;
    ZelTextBox *txtAccuracyLabel;
    ZelTextBox *txtAccuracy;
    ZelAnimationCtrl *pAnimationCtrl;
    ZelIcon *infoIcon;
    ZelTextBox *commentBox;
};
