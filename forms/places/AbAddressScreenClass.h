#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_list.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR AbAddressScreenClass

   The address menu of the address book: header strip over a list the host fills.
*/
struct Ui_AbAddressScreenClass : UiRecord {
    ZelPushButton *btnListHeader;
    ZelIcon *iconWpt;
    ZelTextBox *txtAddressBook;
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelList *listAddress;
};
