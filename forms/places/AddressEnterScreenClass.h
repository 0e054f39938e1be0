#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_kb_container.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR AddressEnterScreenClass

   Address entry: the entry field with backspace over the keyboard, and the region selector.
*/
struct Ui_AddressEnterScreenClass : UiRecord {
    zelKBContainer *KeyboardContainer;
    ZelIcon *statusBar;
    ZelPushButton *btnOK;
    ZelPushButton *btnBack;
    ZelPushButton *SelectRegion;
    ZelTextBox *Region;
    ZelPushButton *btnBackspace;
    ZelPushButton *prompt;
    ZelTextBox *editField;
};
