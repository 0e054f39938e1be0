#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_containers.h"
#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

#include <QWidget>

// The second level of map selection: the subtypes of one map type.
struct Ui_MapSel_SubTypeListScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnContextMenu;
    ZelPushButton *btnBack;
    QWidget *ScrollButtonsWidget;
    ZelBacking *backing;
    ZelList *listMapSubTypes;
    ZelPushButton *btnListHeader;
    ZelIcon *icon;
    ZelTextBox *txtLabel;
};
