#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

#include <QWidget>

// Region information in a text area under the header area.
struct Ui_POIRegionInfoScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelBacking *backing;
    QWidget *headerControl;
    ZelTextArea *txtRegions;
};
