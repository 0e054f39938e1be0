#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_containers.h"
#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

#include <QWidget>

// The result list of a nearby search with its busy animation and empty-result message.
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
