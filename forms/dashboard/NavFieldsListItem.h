#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR NavFieldsListItem

   One row of the data-field list: icon, field name, current value and the selection mark.
*/
struct Ui_NavFieldsListItem : UiRecord {
    ZelIcon *icon;
    ZelTextBox *txtName;
    ZelTextBox *txtValue;
    ZelIcon *iconSelected;
};
