#pragma once

#include "controls/zel_controls.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR ProfileEditUnitsScreenClass

   The units of a profile.
*/
struct Ui_ProfileEditUnitsScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnApplyToAll;
    ZelTextBox *lblApplyToAll;
    ZelIcon *iconTitle;
    ZelTextBox *lblMapOptions_2;
    ZelIcon *icon;
    ZelIcon *iconProfile;
    ZelBacking *backing;
    ZelTextBox *lblDistance;
    ZelComboBox *comboSpeed;
    ZelComboBox *comboAreaUnits;
    ZelTextBox *lblSpeed;
    ZelComboBox *comboElevation;
    ZelComboBox *comboDistance;
    ZelTextBox *lblAreaUnits;
    ZelTextBox *lblElevation;
};
