#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_status_indicator.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR WptListItem

   One row of the waypoint list: type icon with marks, name, distance, height, direction and Go.
*/
struct Ui_WptListItem : UiRecord {
    ZelIcon *iconWptType;
    ZelTextBox *txtWptName;
    ZelTextBox *txtDistance;
    ZelTextBox *txtHeight;
    ZelTextBox *txtDirection;
    ZelIcon *favoriteIcon;
    ZelPushButton *btnGo;
    ZelStatusIndicator *statDirection;
    ZelIcon *mediaIcon;
};
