#pragma once

#include "controls/zel_calendar_widget.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "controls/zel_virtual_list.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR TideTblScreenClass

   The tide table of a station: its day entries under the station and date titles.
*/
struct Ui_TideTblScreenClass : UiRecord {
    ZelVirtualList *lvTides;
    ZelIcon *statusBar;
    ZelPushButton *btnContextMenu;
    ZelPushButton *btnBack;
    QWidget *ScrollButtonsWidget;
    ZelIcon *icon;
    ZelTextBox *labelName;
    ZelIcon *icon_2;
    ZelTextBox *labelName_2;
    zelCalendarWidget *Calendar;
};
