#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_list.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR SettingsScreenClass

   The settings menu: a kinetic list of settings categories under the title header, with a page indicator.
*/
struct Ui_SettingsScreenClass : UiRecord {
    ZelIcon *bottomBar;
    ZelPushButton *btnBack;
    QWidget *ScrollButtonsWidget;
    ZelList *listSettings;
    ZelIcon *icon;
    ZelTextBox *labelName;
    ZelTextBox *labelPage;
    ZelIcon *icon_2;
};
