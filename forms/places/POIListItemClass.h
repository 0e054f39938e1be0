#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_status_indicator.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR POIListItemClass

   One row of the point-of-interest list: icon, name, distance, elevation, direction and Go.
*/
struct Ui_POIListItemClass : UiRecord {
    ZelIcon *ItemIcon;
    ZelPushButton *btnGo;
    ZelStatusIndicator *statDirection;
    ZelTextBox *textDirection;
    ZelTextBox *textName;
    ZelTextBox *txtElevation;
    ZelTextBox *textDistance;
};
