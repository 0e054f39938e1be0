#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_list.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR AbAddAddressScreenClass

   The menu of ways to add an address.
*/
struct Ui_AbAddAddressScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelList *listCreateAddress;
    ZelPushButton *btnListHeader;
    ZelIcon *iconWpt;
    ZelTextBox *txtAddressBook;
};
