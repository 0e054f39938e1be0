#pragma once

#include "controls/zel_controls.h"
#include "core/form_layout.h"

#include <QWidget>

// Editing one profile: the profile name and icon in the title header
// and a kinetic list of the profile's setting groups.
struct Ui_ProfileEditScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnContextMenu;
    ZelIcon *icon;
    ZelTextBox *lblProfileName;
    ZelIcon *iconItem;
    ZelList *listSettings;
};
