#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_containers.h"
#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

#include <QWidget>

// The list of points of interest with its title, busy animation and empty-list message.
struct Ui_POIListScreenClass : UiRecord {
    ZelVirtualList *listPOI;
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnContextMenu;
    QWidget *ScrollButtonsWidget;
    ZelIcon *bkgnd;
    ZelIcon *iconWpt;
    ZelTextBox *txtTitle;
    ZelTextBox *txtSubtitle;
    ZelTextBox *txtCurPage;
    ZelTextBox *txtNumOfPOI;
    ZelAnimationCtrl *ProgressAnimation;
    ZelBacking *backing;
    ZelBacking *backingNoObjects;
    ZelTextBox *txtNoObjects;
};
