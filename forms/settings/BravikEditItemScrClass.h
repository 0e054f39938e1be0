#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR BravikEditItemScrClass

   The editor of one shortcut button.
*/
struct Ui_BravikEditItemScrClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnContextMenu;
    ZelIcon *header;
    ZelTextBox *labelName_4;
    ZelIcon *icon;
    ZelPushButton *btnName;
    ZelTextBox *txtName;
    ZelTextBox *lblFullName;
    ZelPushButton *btnLocation;
    ZelTextBox *txtUp;
    ZelTextBox *txtUpFunc;
    ZelIcon *icon_2;
    ZelPushButton *btnSearch;
    ZelTextBox *txtUp_4;
    ZelTextBox *txtUpFunc_4;
    ZelIcon *icon_5;
    ZelPushButton *btnFunction;
    ZelTextBox *txtUp_3;
    ZelTextBox *txtUpFunc_3;
    ZelIcon *icon_4;
    ZelTextBox *lblFullName_2;
};
