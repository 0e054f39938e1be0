#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_calendar_widget.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QSpacerItem>
#include <QTextEdit>
#include <QWidget>

/* TRANSLATOR SunMoonScreenClass

   Sun and moon rise and set times for a date chosen on the calendar.
*/
struct Ui_SunMoonScreenClass : UiRecord {
    ZelIcon *icon;
    ZelTextBox *labelName;
    ZelIcon *icon_2;
    ZelIcon *bottomBar;
    ZelPushButton *btnBack;
    ZelBacking *backing;
    QWidget *layoutWidget;
    QHBoxLayout *horizontalLayout_3;
    QVBoxLayout *verticalLayout_3;
    QSpacerItem *obj9;
    ZelTextBox *txtRises;
    ZelTextBox *txtSets;
    QVBoxLayout *verticalLayout;
    QHBoxLayout *horizontalLayout;
    QSpacerItem *obj14;
    ZelIcon *iconSun;
    QSpacerItem *obj16;
    QTextEdit *txtSunRise;
    QTextEdit *txtSunSet;
    QVBoxLayout *verticalLayout_2;
    QHBoxLayout *horizontalLayout_2;
    QSpacerItem *obj21;
    ZelIcon *iconMoon;
    QSpacerItem *obj23;
    QTextEdit *txtMoonRise;
    QTextEdit *txtMoonSet;
    zelCalendarWidget *calendarWidget;
};
