#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_status_indicator.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR GeoCacheListItemClass

   One row of the geocache list. The root is the row button; its three state images are given as dynamic properties.
*/
struct Ui_GeoCacheListItemClass : UiRecord {
    ZelIcon *ItemIcon_Type;
    ZelStatusIndicator *statGeocacheStatusMini;
    ZelTextBox *textRating;
    ZelPushButton *btnGo;
    ZelStatusIndicator *CacheSize;
    ZelTextBox *textName;
    ZelTextBox *textDistance;
    ZelIcon *ItemIcon_Picture;
    ZelIcon *ItemIcon_Bug;
    ZelTextBox *txtDirection;
    ZelStatusIndicator *statDirection;
    ZelIcon *ItemIcon_Bookmark;
};
