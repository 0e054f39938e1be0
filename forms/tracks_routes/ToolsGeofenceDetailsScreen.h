#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_combo_box.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_push_check_box.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR ToolsGeofenceDetailsScreen

   The details of one geofence.
*/
struct Ui_ToolsGeofenceDetailsScreen : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnSave;
    ZelIcon *iconSave;
    ZelPushButton *btnDelete;
    ZelIcon *iconDelete;
    ZelIcon *iconTitleBar;
    ZelTextBox *lblGeofenceAreaName;
    ZelComboBox *comboProximityAlert;
    ZelPushButton *buttonBorderAlert;
    ZelTextBox *lblShowOnMap_2;
    ZelIcon *icon;
    ZelTextBox *lblBorderAlert;
    ZelPushButton *buttonProximityAlert;
    ZelTextBox *lblShowOnMap_3;
    ZelIcon *icon_2;
    ZelTextBox *lblProximityAlert;
    ZelPushCheckBox *chkShowOnMap;
    ZelTextBox *lblShowOnMap_7;
    ZelBacking *backing;
    ZelTextBox *lblShowOnMap_6;
};
