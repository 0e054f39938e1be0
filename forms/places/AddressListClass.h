#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_containers.h"
#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

// The result list of an address search with its sort-type button.
struct Ui_AddressListClass : UiRecord {
    ZelPushButton *btnListHeader;
    ZelTextBox *txtLabel;
    ZelTextBox *txtCurPage;
    ZelTextBox *txtNumOfAddress;
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnSortType;
    ZelTextBox *lblSortType;
    ZelList *list;
};
