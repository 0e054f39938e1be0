#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_list.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR WptCreateScreenClass

   The choice of where a new waypoint comes from.
*/
struct Ui_WptCreateScreenClass : UiRecord {
    ZelIcon *icon;
    ZelTextBox *labelName;
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelList *listCreateWaypoint;
};
