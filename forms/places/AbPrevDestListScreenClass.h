#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "controls/zel_virtual_list.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR AbPrevDestListScreenClass

   The list of previous destinations with its header strip and counters.
*/
struct Ui_AbPrevDestListScreenClass : UiRecord {
    ZelPushButton *btnListHeader;
    ZelIcon *iconWpt;
    ZelTextBox *txtCurPage;
    ZelTextBox *txtNumOfDests;
    ZelTextBox *txPrevDests;
    ZelVirtualList *listDests;
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnContextMenu;
    QWidget *ScrollButtonsWidget;
};
