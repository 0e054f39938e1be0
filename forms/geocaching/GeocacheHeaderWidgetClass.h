#pragma once

#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

// The header that names one geocache; its background image is the root's dynamic property `image`.
struct Ui_GeocacheHeaderWidgetClass : UiRecord {
    ZelTextBox *textName;
    ZelIcon *ItemIcon_Type;
    ZelStatusIndicator *statGeocacheStatusMini;
    ZelTextBox *textAuthor;
    ZelTextBox *textBy;
    ZelIcon *ItemIcon_Picture;
    ZelIcon *ItemIcon_Bookmark;
    ZelIcon *ItemIcon_Bug;
};
