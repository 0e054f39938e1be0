#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR NearestObjectsListItemClass

   One row of the nearest-object list: icon, name and a small Go.
*/
struct Ui_NearestObjectsListItemClass : UiRecord {
    ZelIcon *iconObj;
    ZelPushButton *btnGo;
    ZelTextBox *textName;
};
