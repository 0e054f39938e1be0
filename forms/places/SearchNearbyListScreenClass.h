#pragma once

#include "controls/zel_animation_ctrl.h"
#include "controls/zel_backing.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "controls/zel_virtual_list.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR SearchNearbyListScreenClass

   The result list of a nearby search with its busy animation and empty-result message.
*/
struct Ui_SearchNearbyListScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnContextMenu;
    QWidget *ScrollButtonsWidget;
    ZelVirtualList *lvRoutes;
    ZelIcon *icon_2;
    ZelTextBox *txtCurPage;
    ZelTextBox *txtNumOfCaches;
    ZelTextBox *textBox;
    ZelAnimationCtrl *ProgressAnimation;
    ZelBacking *backingNoObjects;
    ZelTextBox *txtNoObjects;
};
