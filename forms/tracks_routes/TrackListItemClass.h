#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR TrackListItemClass

   One row of the track list.
*/
struct Ui_TrackListItemClass : UiRecord {
    ZelTextBox *textName;
    ZelTextBox *textStartTime;
    ZelTextBox *textDistance;
    ZelIcon *icon;
    ZelIcon *mediaIcon;
    ZelTextBox *textElvChange;
    ZelPushButton *btnGo;
    ZelIcon *iconFavorite;
};
