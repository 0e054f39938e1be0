#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_list.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR AddressListClass

   The result list of an address search with its sort-type button.
*/
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
