#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_containers.h"
#include "controls/zel_images.h"
#include "controls/zel_input.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

#include <QWidget>

// The current table of a station: its day entries under the station and date titles.
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
