#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_list.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR HiddenAutoTestScreenClass

   The automatic test list.
*/
struct Ui_HiddenAutoTestScreenClass : UiRecord {
    ZelList *listSettings;
    ZelIcon *icon;
    ZelTextBox *labelName;
    ZelTextBox *labelPage;
    ZelIcon *bottomBar;
    ZelPushButton *btnBack;
};
