#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_images.h"
#include "controls/zel_instruments.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

#include <QWidget>

// The map with a bar of data fields along its lower edge, compass, zoom and scale bar.
struct Ui_MapRegularScreenClass : UiRecord {
    ZelMapControl *zelMapControl;
    ZelNorthUpWidget *NorthUp;
    QWidget *widgetScale;
    ZelIcon *iconScale;
    ZelTextBox *txtScale;
    ZelTextBox *txtScaleShadow;
    zelCompass *compass;
    ZelPushButton *ZoomIn;
    ZelPushButton *ZoomOut;
    ZelWidget *dashboardBar;
};
