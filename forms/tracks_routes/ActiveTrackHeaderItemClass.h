#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR ActiveTrackHeaderItemClass

   The header of the active track (240 × 46).
*/
struct Ui_ActiveTrackHeaderItemClass : UiRecord {
    ZelIcon *icon;
    ZelIcon *iconFavorite;
    ZelIcon *iconTrack;
    ZelTextBox *txtTrackName;
    ZelTextBox *txtSaveTime;
    ZelIcon *iconMedia;
};
