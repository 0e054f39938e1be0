#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_images.h"
#include "controls/zel_instruments.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

#include <QWidget>

// The map with its control panels: Dashboard and Bravik above, Main and menu below, zoom, scale bar and compass.
struct Ui_MapControlsScreenClass : UiRecord {
    ZelMapControl *zelMapControl;
    QWidget *widgetScale;
    ZelIcon *iconScale;
    ZelTextBox *txtScale;
    ZelTextBox *txtScaleShadow;
    ZelNorthUpWidget *NorthUp;
    zelCompass *compass;
    ZelIcon *panelTop;
    ZelPushButton *btnDashBoard;
    ZelPushButton *btnBravik;
    ZelIcon *panelBottom;
    ZelPushButton *ZoomIn;
    ZelPushButton *ZoomOut;
    ZelPushButton *btnContextMenu;
    ZelPushButton *btnMain;
};
