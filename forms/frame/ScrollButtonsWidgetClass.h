#pragma once

#include "controls/zel_buttons.h"
#include "core/form_layout.h"

// The pair of page buttons (down, up) that fills a bottom bar's scroll-button slot.
struct Ui_ScrollButtonsWidgetClass : UiRecord {
    ZelPushButton *btnPageDown;
    ZelPushButton *btnPageUp;
};
