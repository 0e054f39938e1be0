#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_list.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

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
