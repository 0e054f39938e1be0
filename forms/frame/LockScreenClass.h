#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

#include <QWidget>

// The modal screen lock with its slide-to-unlock button.
struct Ui_LockScreenClass : UiRecord {
    ZelTextBox *txtTitle;
    ZelTextBox *txtTitle_2;
    ZelTextBox *txtTitle_3;
    ZelIcon *iconUnlock;
    ZelPushButton *btnUnlock;
};
