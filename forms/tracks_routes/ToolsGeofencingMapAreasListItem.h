#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR ToolsGeofencingMapAreasListItem

   One row of the map area list.
*/
struct Ui_ToolsGeofencingMapAreasListItem : UiRecord {
    ZelTextBox *txtName;
    ZelTextBox *txtValue;
    ZelIcon *icon;
};
