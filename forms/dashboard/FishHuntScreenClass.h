#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_calendar_widget.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QTextEdit>
#include <QWidget>

/* TRANSLATOR FishHuntScreenClass

   The fishing and hunting forecast for a date chosen on the calendar.
*/
struct Ui_FishHuntScreenClass : UiRecord {
    ZelIcon *bottomBar;
    ZelPushButton *btnBack;
    ZelIcon *icon;
    ZelTextBox *labelName;
    ZelTextBox *labelPage;
    ZelIcon *icon_2;
    ZelBacking *backing;
    QWidget *layoutWidget;
    QVBoxLayout *verticalLayout_00;
    QHBoxLayout *horizontalLayout_01;
    ZelTextBox *lblExellent;
    QTextEdit *txtExellent;
    QHBoxLayout *horizontalLayout_02;
    ZelTextBox *lblGood;
    QTextEdit *txtGood;
    zelCalendarWidget *calendarWidget;
};
