#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_area.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR POIRegionInfoScreenClass

   Region information in a text area under the header area.
*/
struct Ui_POIRegionInfoScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelBacking *backing;
    QWidget *headerControl;
    ZelTextArea *txtRegions;
};
