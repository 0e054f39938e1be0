#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_list.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR ToolsScreenClass

   The tools menu.
*/
struct Ui_ToolsScreenClass : UiRecord {
    ZelIcon *icon;
    ZelTextBox *labelName;
    ZelTextBox *labelPage;
    ZelIcon *iconTitle;
    ZelList *listTools;
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    QWidget *ScrollButtonsWidget;
};
