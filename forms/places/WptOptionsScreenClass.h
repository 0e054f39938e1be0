#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_combo_box.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_status_indicator.h"
#include "controls/zel_text_area.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR WptOptionsScreenClass

   A waypoint's options: routing selectors, settings, source and Delete.
*/
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
