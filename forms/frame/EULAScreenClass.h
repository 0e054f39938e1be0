#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_area.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR EULAScreenClass

   The licence agreement with Accept and Decline.
*/
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
