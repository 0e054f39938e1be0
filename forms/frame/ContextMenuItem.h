#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR ContextMenuItem

   One entry of the options menu: icon and label on a button-like root.
*/
struct Ui_ContextMenuItem : UiRecord {
    ZelTextBox *txtMenu;
    ZelIcon *iconMenu;
};
