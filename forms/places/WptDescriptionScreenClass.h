#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

// A waypoint's description under its panel button.
struct Ui_WptDescriptionScreenClass : UiRecord {
    ZelPushButton *btnTitle;
    ZelTextBox *dateTimeLabel_2;
    ZelTextBox *labelDescription;
    ZelIcon *iconPaneLocation_3;
    ZelBacking *backing;
    ZelTextArea *description;
};
