#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "controls/zel_virtual_list.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR AreaPointsScreenClass

   The list of the area's points.
*/
struct Ui_AreaPointsScreenClass : UiRecord {
    ZelIcon *icon;
    ZelTextBox *labelName;
    ZelIcon *iconTitle;
    ZelVirtualList *lvPoints;
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnContextMenu;
    ZelPushButton *btnMap;
};
