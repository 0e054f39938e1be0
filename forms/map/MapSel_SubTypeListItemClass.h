#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR MapSel_SubTypeListItemClass

   One row of the map type and subtype lists: icon and name.
*/
struct Ui_MapSel_SubTypeListItemClass : UiRecord {
    ZelIcon *Icon;
    ZelTextBox *Name;
};
