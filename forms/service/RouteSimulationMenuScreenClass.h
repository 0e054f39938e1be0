#pragma once

#include "controls/zel_check_box.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR RouteSimulationMenuScreenClass

   The route simulation: speed factor, start, restart and stop, and the simulation status.
*/
struct Ui_RouteSimulationMenuScreenClass : UiRecord {
    ZelIcon *icon;
    ZelTextBox *labelName;
    ZelIcon *bottomBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnStart;
    ZelTextBox *lblName_2;
    ZelIcon *ItemIcon;
    ZelPushButton *btnStop;
    ZelTextBox *lblName;
    ZelIcon *ItemIcon_2;
    ZelCheckBox *chkSpeed_10;
    ZelTextBox *lblSpeed_10;
    ZelIcon *icon_CurrentStatus;
    ZelTextBox *labelCurrentStatus;
    ZelTextBox *lblCurrentStatus;
    ZelPushButton *btnRestart;
    ZelTextBox *lblName_3;
    ZelTextBox *lblSpeedFactor;
    ZelTextBox *lblSpeed_15;
    ZelCheckBox *chkSpeed_15;
    ZelTextBox *lblSpeed_20;
    ZelCheckBox *chkSpeed_20;
};
