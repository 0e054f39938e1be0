#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_containers.h"
#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

#include <QWidget>

// The list of point-of-interest categories with its title and empty-list message.
struct Ui_POICategoryListScreenClass : UiRecord {
    ZelIcon *bkgnd;
    ZelIcon *iconWpt;
    ZelTextBox *txtTitle;
    ZelTextBox *txtSubtitle;
    ZelTextBox *txtCurPage;
    ZelTextBox *txtNumOfPOI;
    ZelVirtualList *listPOICategory;
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnContextMenu;
    QWidget *ScrollButtonsWidget;
    ZelBacking *backing;
    ZelBacking *backingNoObjects;
    ZelTextBox *txtNoObjects;
};
