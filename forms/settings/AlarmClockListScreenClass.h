#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_list.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR AlarmClockListScreenClass

   The list of alarms.
*/
struct Ui_AlarmClockListScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnContextMenu;
    ZelPushButton *btnBack;
    QWidget *ScrollButtonsWidget;
    ZelList *listAlarmClocks;
    ZelIcon *icon;
    ZelTextBox *labelTitle;
    ZelTextBox *labelPage;
    ZelIcon *iconTitle;
};
