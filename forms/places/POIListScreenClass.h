#pragma once

#include "controls/zel_animation_ctrl.h"
#include "controls/zel_backing.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "controls/zel_virtual_list.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR POIListScreenClass

   The list of points of interest with its title, busy animation and empty-list message.
*/
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
