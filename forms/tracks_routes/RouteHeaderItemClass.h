#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

struct Ui_RouteHeaderItemClass : UiRecord {
    ZelPushButton *btnIcon;
    ZelBacking *backing;
    ZelIcon *iconFavorite;
    ZelIcon *icon;
    ZelIcon *mediaIcon;
    ZelTextBox *textName;
    ZelTextBox *textDate;
};
