#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_list.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR DashboardFieldsListScrClass

   The list of values from which the user picks what a data field shows.
*/
struct Ui_DashboardFieldsListScrClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    QWidget *ScrollButtonsWidget;
    ZelIcon *icon;
    ZelTextBox *labelName;
    ZelIcon *iconTitle;
    ZelTextBox *txtCurPage;
    ZelTextBox *txtNumOfFlds;
    ZelList *listDataFields;
};
