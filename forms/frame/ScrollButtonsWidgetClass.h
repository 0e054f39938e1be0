#pragma once

#include "controls/zel_push_button.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR ScrollButtonsWidgetClass

   The pair of page buttons (down, up) that fills a bottom bar's scroll-button slot.
*/
struct Ui_ScrollButtonsWidgetClass : UiRecord {
    ZelPushButton *btnPageDown;
    ZelPushButton *btnPageUp;
};
