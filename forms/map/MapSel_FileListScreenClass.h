#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_containers.h"
#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

#include <QWidget>

// The third level of map selection: the map files of one subtype, each switched on or off.
struct Ui_MapSel_FileListScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnContextMenu;
    ZelPushButton *btnBack;
    QWidget *ScrollButtonsWidget;
    ZelBacking *backing;
    ZelList *listMapFiles;
    ZelPushButton *btnListHeader;
    ZelIcon *icon;
    ZelTextBox *txtLabel;
};
