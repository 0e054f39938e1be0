#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_images.h"
#include "controls/zel_input.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

// Address entry: the entry field with backspace over the keyboard, and the region selector.
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
