#pragma once

#include "controls/zel_check_box.h"
#include "controls/zel_icon.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR MapSel_ButtonItemClass

   One row of the map file list: check box, map icon with badges, name.
*/
struct Ui_MapSel_ButtonItemClass : UiRecord {
    ZelCheckBox *chkIsSelected;
    ZelTextBox *Name;
    ZelIcon *ItemIcon;
    ZelIcon *ic_SDCard;
    ZelIcon *ic_Error;
    ZelIcon *iconSplit;
};
