#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_containers.h"
#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

#include <QWidget>

// The list of previous destinations with its header strip and counters.
struct Ui_AbPrevDestListScreenClass : UiRecord {
    ZelPushButton *btnListHeader;
    ZelIcon *iconWpt;
    ZelTextBox *txtCurPage;
    ZelTextBox *txtNumOfDests;
    ZelTextBox *txPrevDests;
    ZelVirtualList *listDests;
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnContextMenu;
    QWidget *ScrollButtonsWidget;
};
