#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR LockScreenClass

   The modal screen lock with its slide-to-unlock button.
*/
struct Ui_LockScreenClass : UiRecord {
    ZelTextBox *txtTitle;
    ZelTextBox *txtTitle_2;
    ZelTextBox *txtTitle_3;
    ZelIcon *iconUnlock;
    ZelPushButton *btnUnlock;
};
