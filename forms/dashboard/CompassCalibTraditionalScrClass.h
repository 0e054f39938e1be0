#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

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
