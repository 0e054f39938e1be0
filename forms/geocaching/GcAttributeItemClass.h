#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR GcAttributeItemClass

   One row of the attribute list. Its minimum size and its event propagation are root properties.
*/
struct Ui_GcAttributeItemClass : UiRecord {
    ZelIcon *icon;
    ZelTextBox *textBox;
};
