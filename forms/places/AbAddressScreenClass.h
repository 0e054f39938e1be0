#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_containers.h"
#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

// The address menu of the address book: header strip over a list the host fills.
struct Ui_AbAddressScreenClass : UiRecord {
    ZelPushButton *btnListHeader;
    ZelIcon *iconWpt;
    ZelTextBox *txtAddressBook;
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelList *listAddress;
};
