#pragma once

#include "controls/zel_check_box.h"
#include "controls/zel_icon.h"
#include "controls/zel_list.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR PlayLogMenuScreenClass

   The log player: file choice, replay switches, play, stop, restart and 30-step jumps.
*/
struct Ui_PlayLogMenuScreenClass : UiRecord {
    ZelList *listFiles;
    ZelIcon *icon;
    ZelTextBox *labelName;
    ZelIcon *bottomBar;
    ZelPushButton *btnBack;
    ZelTextBox *lblCurrentFile;
    ZelIcon *icon_CurrentFile;
    ZelTextBox *labelCurrentFile;
    ZelTextBox *lblSelectFile;
    ZelPushButton *btnPlay;
    ZelTextBox *lblName_2;
    ZelPushButton *btnStop;
    ZelTextBox *lblName;
    ZelPushButton *btnRestart;
    ZelTextBox *lblName_3;
    ZelPushButton *btnGoForvard;
    ZelTextBox *lblName_4;
    ZelIcon *ItemIcon_3;
    ZelIcon *ItemIcon_4;
    ZelPushButton *btnGoBack;
    ZelTextBox *lblName_5;
    ZelIcon *ItemIcon_1;
    ZelIcon *ItemIcon_2;
    ZelCheckBox *chkAutoPlay;
    ZelTextBox *lblAuto;
    ZelTextBox *lblPlay;
    ZelTextBox *lblNoPlaying;
    ZelCheckBox *chkRePlay;
    ZelTextBox *lblRe;
    ZelTextBox *lblPlay_2;
};
