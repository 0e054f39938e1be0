#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR FileListItemClass

   One row of a file list: a check-mark icon and the file name.
*/
struct Ui_FileListItemClass : UiRecord {
    ZelTextBox *textName;
    ZelIcon *ActiveIcon;
};
