#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR TrackHeaderItemClass

   The header of a track (244 × 47).
*/
struct Ui_TrackHeaderItemClass : UiRecord {
    ZelBacking *backing;
    ZelPushButton *btnClickableText;
    ZelTextBox *txtSaveTime;
    ZelTextBox *txtTrackName;
    ZelPushButton *btnClickableIcon;
    ZelIcon *iconFavorite;
    ZelIcon *iconTrack;
    ZelIcon *iconMedia;
};
