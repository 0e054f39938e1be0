#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

#include <QWidget>

// Shown while the unit connects to a PC.
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
