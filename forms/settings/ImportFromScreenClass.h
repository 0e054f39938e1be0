#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR ImportFromScreenClass

   The popup that chooses the import source.
*/
struct Ui_ImportFromScreenClass : UiRecord {
    ZelPushButton *btnClose;
    ZelTextBox *txtTitle;
    ZelPushButton *btnFromSD;
    ZelTextBox *txtSdCard;
    ZelIcon *iconSdCard;
    ZelPushButton *btnFromDevice;
    ZelTextBox *txtDevice;
    ZelIcon *iconDevice;
    ZelIcon *icon;
};
