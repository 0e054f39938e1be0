#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR ProfileListItemClass

   One row of the profile list: an active-profile mark, the profile icon after a divider and the profile name.
*/
struct Ui_ProfileListItemClass : UiRecord {
    ZelTextBox *textName;
    ZelIcon *ItemIcon;
    ZelIcon *ActiveIcon;
    ZelIcon *iconSplit;
};
