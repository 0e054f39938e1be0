#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_list.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR SettingsLanguageScreenClass

   Language choice: a kinetic list of languages with a Next button, under a copy of the title-bar background.
*/
struct Ui_SettingsLanguageScreenClass : UiRecord {
    ZelIcon *bottomBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnNext;
    QWidget *ScrollButtonsWidget;
    ZelIcon *icon;
    ZelTextBox *lblTitle;
    ZelTextBox *labelPage;
    ZelIcon *icon_2;
    ZelList *listLanguages;
    ZelIcon *iconTitleBar;
};
