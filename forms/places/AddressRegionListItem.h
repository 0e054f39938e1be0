#pragma once

#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR AddressRegionListItem

   One row of the region list: the region name.
*/
struct Ui_AddressRegionListItem : UiRecord {
    ZelTextBox *txtName;
};
