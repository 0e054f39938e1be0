#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_area.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR WptDescriptionScreenClass

   A waypoint's description under its panel button.
*/
struct Ui_WptDescriptionScreenClass : UiRecord {
    ZelPushButton *btnTitle;
    ZelTextBox *dateTimeLabel_2;
    ZelTextBox *labelDescription;
    ZelIcon *iconPaneLocation_3;
    ZelBacking *backing;
    ZelTextArea *description;
};
