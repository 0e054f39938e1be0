#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_combo_box.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
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
