#pragma once

#include "controls/zel_check_box.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR HiddenSirfSettingScreenClass

   The GPS receiver settings: masks, switches and receiver commands.
*/
struct Ui_HiddenSirfSettingScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnListHeader;
    ZelIcon *iconWpt;
    ZelTextBox *txtHeader;
    ZelTextBox *txtValSNR;
    ZelTextBox *lblSNR;
    ZelTextBox *lblElev;
    ZelTextBox *txtValElev;
    ZelCheckBox *chkStaticMode;
    ZelTextBox *txtValDOP;
    ZelTextBox *lblDOP;
    ZelTextBox *lblStaticMode;
    ZelCheckBox *chkTrackSmoothing;
    ZelTextBox *lblTrackSmoothing;
    ZelTextBox *lblStatus;
    ZelPushButton *btnAccept;
    ZelTextBox *lblAccept;
    ZelPushButton *btnColdRst;
    ZelTextBox *lblColdRst;
    ZelPushButton *btnFactoryRst;
    ZelTextBox *lblFactoryRst;
    ZelPushButton *btnVehicleOn;
    ZelTextBox *lblVehicleOn;
    ZelPushButton *btnVehicleOff;
    ZelTextBox *lblVehicleOff;
    ZelPushButton *btnGet;
    ZelTextBox *lblGet;
};
