#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_images.h"
#include "controls/zel_instruments.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

#include <QWidget>

// The plain map view: north-up indicator, zoom, scale bar, GO, coordinates at the top, Back and menu below.
struct Ui_MapViewScreenClass : UiRecord {
    ZelMapControl *zelMapControl;
    ZelNorthUpWidget *NorthUp;
    ZelPushButton *ZoomIn;
    ZelPushButton *ZoomOut;
    QWidget *widgetScale;
    ZelIcon *iconScale;
    ZelTextBox *txtScale;
    ZelTextBox *txtScaleShadow;
    ZelPushButton *btnBigGo;
    ZelTextBox *textBox;
    ZelIcon *panelBottom;
    ZelPushButton *btnBack;
    ZelPushButton *btnContextMenu;
    ZelIcon *iconLatLong;
    ZelTextBox *txtLatLon;
};
