#pragma once

#include "controls/zel_compass.h"
#include "controls/zel_icon.h"
#include "controls/zel_map_control.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "controls/zel_widget.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR MapVehicleModeScreenClass

   The map in vehicle mode: current street at the top, zoom, compass and the data-field bar.
*/
struct Ui_MapVehicleModeScreenClass : UiRecord {
    ZelMapControl *zelMapControl;
    ZelIcon *icon;
    ZelTextBox *curStreet;
    ZelPushButton *ZoomIn;
    ZelPushButton *ZoomOut;
    zelCompass *compass;
    ZelWidget *dashboardBar;
};
