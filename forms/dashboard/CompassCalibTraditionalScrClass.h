#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR CompassCalibTraditionalScrClass

   The traditional 2D compass calibration: rotate the unit flat, keeping the blue arrow towards you.
*/
struct Ui_CompassCalibTraditionalScrClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnToolBar;
    ZelPushButton *btnStart;
    ZelTextBox *lblStart;
    ZelTextBox *textInstruct;
    ZelIcon *iconTitleBar;
    ZelTextBox *textHeader;
    ZelIcon *icon_4;
    ZelIcon *iconTarget;
};
