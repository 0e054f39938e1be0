#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

// The audio test dialog: a title and one OK button.
struct Ui_AudioTestScreenClass : UiRecord {
    ZelPushButton *btnOk;
    ZelTextBox *lblOk;
    ZelIcon *iconTitleBar;
    ZelTextBox *lblProfileName_3;
};
