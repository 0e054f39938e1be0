#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

// One row of the nearest-object list: icon, name and a small Go.
struct Ui_NearestObjectsListItemClass : UiRecord {
    ZelIcon *iconObj;
    ZelPushButton *btnGo;
    ZelTextBox *textName;
};
