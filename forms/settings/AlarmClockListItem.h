#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR AlarmClockListItem

   One row of the alarm list; root properties as in the tools row.
*/
struct Ui_AlarmClockListItem : UiRecord {
    ZelTextBox *textBoxName;
    ZelTextBox *textBoxState;
    ZelIcon *iconSplitter;
    ZelTextBox *textBoxTypeTime;
    ZelIcon *iconState;
};
