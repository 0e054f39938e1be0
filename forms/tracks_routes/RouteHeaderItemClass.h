#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR RouteHeaderItemClass

   The header of a route's screens (241 × 49).
*/
struct Ui_RouteHeaderItemClass : UiRecord {
    ZelPushButton *btnIcon;
    ZelBacking *backing;
    ZelIcon *iconFavorite;
    ZelIcon *icon;
    ZelIcon *mediaIcon;
    ZelTextBox *textName;
    ZelTextBox *textDate;
};
