#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_combo_box.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR BarometerCalibScreenClass

   Barometer and altimeter calibration from a known elevation or sea-level pressure.
*/
struct Ui_BarometerCalibScreenClass : UiRecord {
    ZelTextBox *lblSeeLevelPress;
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelComboBox *cbPressureUnits;
    ZelIcon *icon_2;
    ZelTextBox *txtSeeLevelPress;
    ZelTextBox *lblDescription;
    ZelIcon *icon;
    ZelTextBox *labelName_2;
    ZelIcon *icon_4;
    ZelTextBox *lblCurBarAlt;
    ZelTextBox *txtCurrentElev;
    ZelComboBox *cbCurrentElev;
    ZelIcon *icon_3;
    ZelTextBox *txtCurBarAlt;
    ZelTextBox *lblCurrentElev;
    ZelBacking *backing;
};
