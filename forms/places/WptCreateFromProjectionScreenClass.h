#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_combo_box.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR WptCreateFromProjectionScreenClass

   A new waypoint projected from the current location by bearing and distance.
*/
struct Ui_WptCreateFromProjectionScreenClass : UiRecord {
    ZelIcon *icon;
    ZelTextBox *labelName;
    ZelIcon *icon_2;
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnNext;
    ZelTextBox *label;
    ZelTextBox *labelBearing;
    ZelTextBox *labelDistance;
    ZelTextBox *labelDegrees;
    ZelComboBox *cbUnits;
    ZelTextBox *txtBoxBearingInput;
    ZelTextBox *txtBoxDistanceInput;
    ZelBacking *backing;
};
