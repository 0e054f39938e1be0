#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_list.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR AddressRegionListClass

   The list of regions for address search.
*/
struct Ui_AddressRegionListClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    QWidget *ScrollButtonsWidget;
    ZelList *list;
    ZelIcon *icon_2;
    ZelTextBox *txtCurPage;
    ZelTextBox *txtNumOfAddress;
    ZelTextBox *textBox;
};
