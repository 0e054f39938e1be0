#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_images.h"
#include "controls/zel_instruments.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

#include <QWidget>

// The map for picking several points: coordinates at the top, zoom, scale bar, Back and OK.
struct Ui_MapMultiPointsScreenClass : UiRecord {
    ZelMapControl *zelMapControl;
    ZelNorthUpWidget *NorthUp;
    QWidget *widgetScale;
    ZelIcon *iconScale;
    ZelTextBox *txtScale;
    ZelTextBox *txtScaleShadow;
    ZelPushButton *ZoomOut;
    ZelPushButton *ZoomIn;
    ZelIcon *panelBottom;
    ZelPushButton *btnBack;
    ZelPushButton *btnOK;
    ZelIcon *iconLatLong;
    ZelTextBox *txtLatLon;
};
