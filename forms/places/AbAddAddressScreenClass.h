#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_containers.h"
#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

// The menu of ways to add an address.
struct Ui_AbAddAddressScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelList *listCreateAddress;
    ZelPushButton *btnListHeader;
    ZelIcon *iconWpt;
    ZelTextBox *txtAddressBook;
};
