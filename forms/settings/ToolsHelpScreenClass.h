#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_list.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR ToolsHelpScreenClass

   The help topics.
*/
struct Ui_ToolsHelpScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    QWidget *ScrollButtonsWidget;
    ZelIcon *icon;
    ZelTextBox *labelName;
    ZelTextBox *labelPage;
    ZelIcon *iconTitle;
    ZelList *list;
};
