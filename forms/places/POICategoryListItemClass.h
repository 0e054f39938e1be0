#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR POICategoryListItemClass

   One row of the category list: icon and caption.
*/
struct Ui_POICategoryListItemClass : UiRecord {
    ZelIcon *ItemIcon;
    ZelTextBox *ItemText;
};
