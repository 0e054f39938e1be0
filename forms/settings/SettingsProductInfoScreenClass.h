#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_icon.h"
#include "controls/zel_list.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR SettingsProductInfoScreenClass

   Product information: the serial number and a list of further product details.
*/
struct Ui_SettingsProductInfoScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelIcon *icon;
    ZelTextBox *labelName;
    ZelTextBox *labelPage;
    ZelIcon *icon_2;
    ZelList *listSettings;
    ZelTextBox *textBoxSN;
    ZelTextBox *textBoxSNValue;
    ZelBacking *backing;
};
