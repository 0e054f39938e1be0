#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR ToolsOwnerInfoScreenClass

   The owner information.
*/
struct Ui_ToolsOwnerInfoScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelIcon *icon;
    ZelTextBox *labelName;
    ZelIcon *icon_2;
    ZelTextBox *lblPhone;
    ZelTextBox *lblAdress;
    ZelPushButton *btnEmail;
    ZelTextBox *txtEmail;
    ZelPushButton *btnFullName;
    ZelTextBox *txtFullName;
    ZelPushButton *btnPhone;
    ZelTextBox *txtPhone;
    ZelTextBox *lblEmail;
    ZelPushButton *btnAddress;
    ZelTextBox *txtAddress;
    ZelTextBox *lblFullName;
    ZelBacking *backing;
};
