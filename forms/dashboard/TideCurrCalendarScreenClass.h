#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_images.h"
#include "controls/zel_input.h"
#include "core/form_layout.h"

// The date choice for the tide and current tables.
struct Ui_TideCurrCalendarScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnContextMenu;
    ZelPushButton *btnBack;
    zelCalendarWidget *Calendar;
};
