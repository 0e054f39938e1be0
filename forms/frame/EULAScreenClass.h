#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

#include <QWidget>

// The licence agreement with Accept and Decline.
struct Ui_EULAScreenClass : UiRecord {
    ZelIcon *icon;
    ZelTextBox *labelName;
    ZelIcon *bottomBar;
    ZelPushButton *btnAccept;
    ZelTextBox *label;
    ZelPushButton *btnDecline;
    ZelTextBox *label_2;
    ZelBacking *backing;
    ZelTextArea *txt;
};
