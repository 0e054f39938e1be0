#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "controls/zel_virtual_list.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR AbContactListScreenClass

   The contact list of the address book with its header strip and counters.
*/
struct Ui_AbContactListScreenClass : UiRecord {
    ZelPushButton *btnListHeader;
    ZelIcon *iconWpt;
    ZelTextBox *txtSortType;
    ZelTextBox *txtCurPage;
    ZelTextBox *txtNumOfContacts;
    ZelTextBox *txtAddressBook;
    ZelIcon *statusBar;
    ZelPushButton *btnContextMenu;
    ZelPushButton *btnBack;
    QWidget *ScrollButtonsWidget;
    ZelVirtualList *listContacts;
};
