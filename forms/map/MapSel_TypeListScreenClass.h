#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_containers.h"
#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

#include <QWidget>

// The first level of map selection: the map types, with a panel for no maps.
struct Ui_MapSel_TypeListScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnContextMenu;
    ZelPushButton *btnBack;
    QWidget *ScrollButtonsWidget;
    ZelBacking *backingNoObjects;
    ZelTextBox *txtNoMaps;
    ZelPushButton *btnListHeader;
    ZelIcon *icon;
    ZelTextBox *txtLabel;
    ZelList *listMapTypes;
};
