#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_status_indicator.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR GeocacheHeaderWidgetClass

   The header that names one geocache; its background image is the root's dynamic property `image`.
*/
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
