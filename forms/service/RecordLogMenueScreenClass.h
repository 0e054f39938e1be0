#pragma once

#include "controls/zel_check_box.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR RecordLogMenueScreenClass

   The log recorder: current file, automatic recording, status, and start, pause and stop.
*/
struct Ui_RecordLogMenueScreenClass : UiRecord {
    ZelIcon *icon;
    ZelTextBox *labelName;
    ZelIcon *bottomBar;
    ZelPushButton *btnBack;
    ZelTextBox *lblCurrentFile;
    ZelIcon *icon_CurrentFile;
    ZelTextBox *labelCurrentFile;
    ZelPushButton *btnRecord;
    ZelTextBox *lblName_2;
    ZelIcon *ItemIcon;
    ZelPushButton *btnStop;
    ZelTextBox *lblName;
    ZelIcon *ItemIcon_2;
    ZelCheckBox *chkAutoRecord;
    ZelTextBox *lblAuto;
    ZelIcon *icon_CurrentStatus;
    ZelTextBox *labelCurrentStatus;
    ZelTextBox *lblCurrentStatus;
    ZelPushButton *btnPause;
    ZelTextBox *lblName_3;
    ZelIcon *ItemIcon_3;
};
