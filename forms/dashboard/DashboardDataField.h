#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

// One navigation data field: a pressable background with its title and value.
struct Ui_DashboardDataField : UiRecord {
    ZelPushButton *background;
    ZelTextBox *title;
    ZelTextBox *data;
};
