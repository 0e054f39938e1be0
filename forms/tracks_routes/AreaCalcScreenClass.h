#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR AreaCalcScreenClass

   The confirmation popup of the area calculation.
*/
struct Ui_AreaCalcScreenClass : UiRecord {
    ZelPushButton *btnClose;
    ZelIcon *iconTitle;
    ZelTextBox *txtTitle;
    ZelTextBox *txtInfo;
    ZelPushButton *btnStartTracking;
    ZelTextBox *textButton;
    ZelPushButton *btnCancel;
    ZelTextBox *textButton_2;
};
