#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

// A waypoint's options: routing selectors, settings, source and Delete.
struct Ui_WptOptionsScreenClass : UiRecord {
    ZelPushButton *btnDelete;
    ZelTextBox *labelPictures;
    ZelPushButton *btnTitle;
    ZelTextBox *dateTimeLabel_4;
    ZelStatusIndicator *iconOptions;
    ZelIcon *iconPaneLocation_2;
    ZelBacking *backing;
    ZelComboBox *cmbRouteMethod;
    ZelComboBox *cmbRouteType;
    ZelPushButton *btnOptions;
    ZelTextBox *btnOptionsTitle;
    ZelTextArea *txtWaypointSource;
};
