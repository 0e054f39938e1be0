#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_containers.h"
#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

#include <QStackedWidget>
#include <QWidget>

// The waypoint list: title button with counters, the list, and a bottom bar ending in the menu or Next>.
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
