#pragma once

#include "controls/zel_controls.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QGridLayout>
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
