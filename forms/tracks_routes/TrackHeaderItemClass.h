#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

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
