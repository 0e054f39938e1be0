#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_containers.h"
#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

// The turn list of the active route, with its sort choice in the bottom bar.
struct Ui_TurnListScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnSortType;
    ZelTextBox *lblSortType;
    ZelList *list;
    ZelPushButton *btnListHeader;
    ZelTextBox *txtLabel;
    ZelTextBox *txtCurPage;
    ZelTextBox *txtNumOfAddress;
};
