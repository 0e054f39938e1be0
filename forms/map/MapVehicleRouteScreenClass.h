#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_images.h"
#include "controls/zel_instruments.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

// The map following a route in vehicle mode: distance, next manoeuvre and its arrow at the top, zoom, compass, data fields.
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
