#pragma once

#include "controls/zel_controls.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR ProfileEditSensorsScreenClass

   The sensor settings of a profile.
*/
struct Ui_ProfileEditSensorsScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnApplyToAll;
    ZelTextBox *lblApplyToAll;
    ZelIcon *iconTitle;
    ZelTextBox *lblProfileName;
    ZelIcon *iconProfile;
    ZelIcon *icon;
    ZelBacking *backing;
    ZelComboBox *comboCompass;
    ZelComboBox *comboBarometer;
    ZelTextBox *lblCompass;
    ZelTextBox *lblBarometer;
    ZelTextBox *lblSpeedThresh;
    ZelComboBox *comboSpeedThresh;
};
