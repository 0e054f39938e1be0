#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

// The stats and history text of the cache.
struct Ui_GeocacheHistoryScreenClass : UiRecord {
    ZelIcon *icon_3;
    ZelTextArea *txtDescription;
    ZelWidget *GeocacheHeaderWidget;
    ZelIcon *statusBar;
    ZelPushButton *btnContextMenu;
    ZelPushButton *btnBack;
    ZelPushButton *btnMap;
    ZelPushButton *btnGo;
    ZelPushButton *subTitle;
    ZelTextBox *dateTimeLabel_4;
    ZelTextBox *iconAttributes_2;
};
