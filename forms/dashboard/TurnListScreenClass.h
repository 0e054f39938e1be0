#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_list.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR TurnListScreenClass

   The turn list of the active route, with its sort choice in the bottom bar.
*/
struct Ui_TurnListScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnSortType;
    ZelTextBox *lblSortType;
    ZelList *list;
    ZelPushButton *btnListHeader;
    ZelTextBox *txtLabel;
    ZelTextBox *txtCurPage;
    ZelTextBox *txtNumOfAddress;
};
