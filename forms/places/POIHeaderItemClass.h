#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR POIHeaderItemClass

   The header of a point of interest's screens: icon and name on the title strip.
*/
struct Ui_POIHeaderItemClass : UiRecord {
    ZelIcon *iconPOI;
    ZelTextBox *txtPOIName;
};
