#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_list.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR ToolsProfilesScreenClass

   The profile list: a kinetic list of profiles with page and count indicators and a profiles tool-bar button.
*/
struct Ui_ToolsProfilesScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnContextMenu;
    QWidget *ScrollButtonsWidget;
    ZelPushButton *btnToolBar;
    ZelIcon *icon;
    ZelTextBox *labelName;
    ZelTextBox *labelPage;
    ZelTextBox *labelNumber;
    ZelIcon *icon_2;
    ZelList *listProfiles;
};
