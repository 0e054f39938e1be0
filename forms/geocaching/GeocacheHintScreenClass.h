#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

// The hint, as scrolling text.
struct Ui_GeocacheHintScreenClass : UiRecord {
    ZelWidget *GeocacheHeaderWidget;
    ZelIcon *statusBar;
    ZelPushButton *btnContextMenu;
    ZelPushButton *btnBack;
    ZelPushButton *btnMap;
    ZelPushButton *btnGo;
    ZelPushButton *subTitle;
    ZelTextBox *txtHint;
    ZelIcon *iconHint;
    ZelBacking *backing;
    ZelTextArea *txtDescription;
};
