#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_list.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR BravikFunctionListScrClass

   The list of functions for a shortcut button.
*/
struct Ui_BravikFunctionListScrClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    QWidget *ScrollButtonsWidget;
    ZelIcon *icon;
    ZelTextBox *labelName;
    ZelList *listDataFields;
};
