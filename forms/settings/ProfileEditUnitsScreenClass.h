#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_combo_box.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
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
