#pragma once

#include "controls/zel_controls.h"
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
