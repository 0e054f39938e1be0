#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR AudioTestScreenClass

   The audio test dialog: a title and one OK button.
*/
struct Ui_AudioTestScreenClass : UiRecord {
    ZelPushButton *btnOk;
    ZelTextBox *lblOk;
    ZelIcon *iconTitleBar;
    ZelTextBox *lblProfileName_3;
};
