#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_icon.h"
#include "controls/zel_list.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR MapSel_TypeListScreenClass

   The first level of map selection: the map types, with a panel for no maps.
*/
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
