#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_combo_box.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR SettingsConnectivityScreenClass

   Connectivity: choices for the connection mode, the NMEA option and the baud rate.
*/
struct Ui_SettingsConnectivityScreenClass : UiRecord {
    ZelIcon *icon_2;
    ZelTextBox *lblOffCourse_2;
    ZelIcon *icon;
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelComboBox *comboConnectMode;
    ZelTextBox *lblMode;
    ZelTextBox *lblNmeaOption;
    ZelComboBox *comboNmeaOption;
    ZelTextBox *lblBaudRate;
    ZelComboBox *comboBaudRate;
    ZelBacking *backing;
};
