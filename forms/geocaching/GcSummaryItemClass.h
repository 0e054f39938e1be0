#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR GcSummaryItemClass

   One row of the summary list; the row button's normal and pressed images are root properties.
*/
struct Ui_GcSummaryItemClass : UiRecord {
    ZelTextBox *textTitle;
    ZelIcon *iconPicture;
    ZelTextBox *textValue;
};
