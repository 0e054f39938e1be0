#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_images.h"
#include "controls/zel_instruments.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

// The map in vehicle mode: current street at the top, zoom, compass and the data-field bar.
struct Ui_MapVehicleModeScreenClass : UiRecord {
    ZelMapControl *zelMapControl;
    ZelIcon *icon;
    ZelTextBox *curStreet;
    ZelPushButton *ZoomIn;
    ZelPushButton *ZoomOut;
    zelCompass *compass;
    ZelWidget *dashboardBar;
};
