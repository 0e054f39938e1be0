#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_combo_box.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_scroll_area.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QWidget>

/* TRANSLATOR SettingsDateTimeScreenClass

   Date and time: date format, time format, calendar start day, time zone with a button that opens the time-zone screen,
   and a line showing the current date, time and time-zone shift.
*/
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
