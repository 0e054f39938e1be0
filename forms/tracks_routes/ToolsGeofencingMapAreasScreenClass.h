#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_list.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR ToolsGeofencingMapAreasScreenClass

   The list of map areas from which a geofence is added.
*/
struct Ui_ToolsGeofencingMapAreasScreenClass : UiRecord {
    ZelIcon *icon;
    ZelTextBox *labelName;
    ZelTextBox *labelPage;
    ZelIcon *iconTitle;
    ZelTextBox *labelNumber;
    ZelList *listGeofences;
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnContextMenu;
    QWidget *ScrollButtonsWidget;
};
