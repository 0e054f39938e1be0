#pragma once

#include "controls/zel_controls.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR ToolsGeofencingScreenClass

   The list of geofences.
*/
struct Ui_ToolsGeofencingScreenClass : UiRecord {
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
