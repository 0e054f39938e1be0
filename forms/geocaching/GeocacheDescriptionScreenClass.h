#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

// The cache description as scrolling text.
struct Ui_GeocacheDescriptionScreenClass : UiRecord {
    ZelWidget *GeocacheHeaderWidget;
    ZelIcon *statusBar;
    ZelPushButton *btnContextMenu;
    ZelPushButton *btnBack;
    ZelPushButton *btnMap;
    ZelPushButton *btnGo;
    ZelBacking *backing;
    ZelTextArea *txtDescription;
    ZelPushButton *subTitle;
    ZelTextBox *dateTimeLabel_3;
    ZelTextBox *labelDescription_2;
    ZelIcon *iconPaneLocation_4;
};
