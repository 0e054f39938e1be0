#pragma once

#include "controls/zel_compass.h"
#include "controls/zel_icon.h"
#include "controls/zel_map_control.h"
#include "controls/zel_push_button.h"
#include "controls/zel_status_indicator.h"
#include "controls/zel_text_box.h"
#include "controls/zel_widget.h"
#include "core/form_layout.h"

// The map following a route in vehicle mode: distance, next manoeuvre
// and its arrow at the top, zoom, compass, data fields.
struct Ui_MapVehicleRouteScreenClass : UiRecord {
    ZelMapControl *zelMapControl;
    ZelIcon *icon;
    ZelTextBox *curManeuver;
    ZelTextBox *distance;
    ZelPushButton *button;
    ZelStatusIndicator *manIndicator;
    ZelPushButton *ZoomIn;
    ZelPushButton *ZoomOut;
    zelCompass *compass;
    ZelWidget *dashboardBar;
};
