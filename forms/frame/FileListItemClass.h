#pragma once

#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

// One row of a file list: a check-mark icon and the file name.
struct Ui_FileListItemClass : UiRecord {
    ZelTextBox *textName;
    ZelIcon *ActiveIcon;
};
