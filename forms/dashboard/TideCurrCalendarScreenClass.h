#pragma once

#include "controls/zel_calendar_widget.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR TideCurrCalendarScreenClass

   The date choice for the tide and current tables.
*/
struct Ui_TideCurrCalendarScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnContextMenu;
    ZelPushButton *btnBack;
    zelCalendarWidget *Calendar;
};
