#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR ToolsGeofencingListItem

   One row of the geofence list.
*/
struct Ui_ToolsGeofencingListItem : UiRecord {
    ZelTextBox *txtName;
    ZelTextBox *txtState;
    ZelTextBox *txtValue;
    ZelIcon *icon;
};
