#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR RouteListItemClass

   One row of the route list.
*/
struct Ui_RouteListItemClass : UiRecord {
    ZelTextBox *textName;
    ZelTextBox *textPointsCount;
    ZelTextBox *textDistance;
    ZelIcon *icon;
    ZelIcon *ItemIcon_Picture;
    ZelTextBox *textElvChange;
    ZelPushButton *btnGo;
    ZelIcon *favoriteIcon;
};
