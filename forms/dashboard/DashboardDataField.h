#pragma once

#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR DashboardDataField

   One navigation data field: a pressable background with its title and value.
*/
struct Ui_DashboardDataField : UiRecord {
    ZelPushButton *background;
    ZelTextBox *title;
    ZelTextBox *data;
};
