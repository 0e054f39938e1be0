#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_combo_box.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR SettingsRouteOptionsScreenClass

   Route options: routing method and vehicle routing.
*/
struct Ui_SettingsRouteOptionsScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelTextBox *lblRoutingMethod;
    ZelTextBox *lblVihicleRouting;
    ZelComboBox *comboVehicleRouting;
    ZelComboBox *comboRoutingMethod;
    ZelIcon *icon;
    ZelTextBox *labelName_4;
    ZelIcon *icon_2;
    ZelBacking *backing;
};
