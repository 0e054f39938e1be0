#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR BravikHardwareButtonsScrClass

   The assignment of functions to the two hardware buttons.
*/
struct Ui_BravikHardwareButtonsScrClass : UiRecord {
    ZelIcon *icon_2;
    ZelTextBox *lblOffCourse_2;
    ZelIcon *icon;
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelBacking *backing;
    ZelTextBox *txtUpFunc;
    ZelTextBox *txtDownFunc;
    ZelIcon *icon_3;
    ZelPushButton *btnLower;
    ZelIcon *iconLower;
    ZelPushButton *btnUpper;
    ZelIcon *iconUpper;
};
