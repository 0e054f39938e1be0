#pragma once

#include "controls/zel_push_button.h"
#include "controls/zel_status_indicator.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR PointOnMapPopUpClass

   The bubble of a point on the map, with its Save button.
*/
struct Ui_PointOnMapPopUpClass : UiRecord {
    ZelTextBox *txtDistance;
    ZelPushButton *btnSave;
    ZelTextBox *txtElevation;
    ZelTextBox *txtBearing;
    ZelTextBox *txtLatitude;
    ZelTextBox *txtLongitude;
    ZelTextBox *txtCoordZ;
    ZelStatusIndicator *statDirection;
};
