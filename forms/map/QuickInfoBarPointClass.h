#pragma once

#include "controls/zel_push_button.h"
#include "controls/zel_status_indicator.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

struct Ui_QuickInfoBarPointClass : UiRecord {
    ZelTextBox *txtDistance;
    ZelPushButton *btnSave;
    ZelTextBox *txtElevation;
    ZelTextBox *txtBearing;
    ZelTextBox *txtLatitude;
    ZelTextBox *txtLongitude;
    ZelTextBox *txtCoordZ;
    ZelStatusIndicator *statDirection;
};
