#pragma once

#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

// One row of the category list: icon and caption.
struct Ui_POICategoryListItemClass : UiRecord {
    ZelIcon *ItemIcon;
    ZelTextBox *ItemText;
};
