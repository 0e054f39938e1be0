#pragma once

#include "controls/zel_calendar_widget.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "controls/zel_virtual_list.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR CurrTblScreenClass

   The current table of a station: its day entries under the station and date titles.
*/
struct Ui_CurrTblScreenClass : UiRecord {
    ZelVirtualList *lvCurrs;
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
