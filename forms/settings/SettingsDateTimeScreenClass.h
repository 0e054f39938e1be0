#pragma once

#include "controls/zel_controls.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QWidget>

// Date and time: date format, time format, calendar start day, time zone with a button that opens the time-zone screen,
// and a line showing the current date, time and time-zone shift.
struct Ui_SettingsDateTimeScreenClass : UiRecord {
    ZelIcon *bottomBar;
    ZelPushButton *btnBack;
    QWidget *ScrollButtonsWidget;
    ZelIcon *icon;
    ZelTextBox *labelName_4;
    ZelIcon *icon_2;
    ZelBacking *backing;
    ZelScrollArea *scrollArea;
    QWidget *scrollAreaWidgetContents;
    ZelComboBox *comboTimeZone;
    ZelComboBox *comboTimeFormat;
    ZelComboBox *comboDateFormat;
    ZelTextBox *lblTimeFormat;
    ZelPushButton *btnTimeZone;
    ZelTextBox *label;
    ZelTextBox *lblDateFormat;
    ZelTextBox *textBox;
    ZelComboBox *comboCalendarStartDay;
    ZelTextBox *lblTimeZone;
    QWidget *layoutWidget;
    QHBoxLayout *horizontalLayout;
    ZelTextBox *lblDate;
    ZelTextBox *lblTime;
    ZelTextBox *lblTimeZoneShift;
};
