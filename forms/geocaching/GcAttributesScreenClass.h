#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_containers.h"
#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

// The attribute list of the cache.
struct Ui_GcAttributesScreenClass : UiRecord {
    ZelWidget *GeocacheHeaderWidget;
    ZelList *listDataFields;
    ZelIcon *statusBar;
    ZelPushButton *btnContextMenu;
    ZelPushButton *btnBack;
    ZelPushButton *btnMap;
    ZelPushButton *btnGo;
    ZelPushButton *subTitle;
    ZelTextBox *iconAttributes;
    ZelTextBox *labelAttributesCount;
    ZelTextBox *labelAttributes;
};
