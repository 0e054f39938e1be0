#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_check_box.h"
#include "controls/zel_combo_box.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QWidget>

/* TRANSLATOR SettingsTimeZoneScreenClass

   Time zone: the zone choice, a daylight-saving check box and the current date, time and shift.
*/
struct Ui_SettingsTimeZoneScreenClass : UiRecord {
    ZelIcon *bottomBar;
    ZelPushButton *btnBack;
    ZelIcon *icon;
    ZelTextBox *labelName_4;
    ZelBacking *backing;
    ZelCheckBox *chkDaylightSavings;
    ZelTextBox *lblDaylightSavings;
    ZelComboBox *comboTimeZone;
    QWidget *layoutWidget;
    QHBoxLayout *horizontalLayout;
    ZelTextBox *lblDate;
    ZelTextBox *lblTime;
    ZelTextBox *lblTimeZoneShift;
};
