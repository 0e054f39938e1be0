#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "controls/zel_virtual_list.h"
#include "core/form_layout.h"

#include <QStackedWidget>
#include <QWidget>

/* TRANSLATOR WptListScreenClass

   The waypoint list: title button with counters, the list, and a bottom bar ending in the menu or Next>.
*/
struct Ui_WptListScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    QStackedWidget *stackedWidget;
    QWidget *pageMenu;
    ZelPushButton *btnContextMenu;
    QWidget *pageNext;
    ZelPushButton *btnNext;
    ZelTextBox *label;
    QWidget *ScrollButtonsWidget;
    ZelVirtualList *listWpt;
    ZelPushButton *titleButton;
    ZelBacking *backing;
    ZelTextBox *txtWaypoints;
    ZelIcon *iconWpt;
    ZelTextBox *txtCurPage;
    ZelTextBox *txtSortFilterType;
    ZelTextBox *txtNumOfWpt;
};
