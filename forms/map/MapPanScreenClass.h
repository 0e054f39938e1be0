#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_images.h"
#include "controls/zel_instruments.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

#include <QWidget>

// The map in pan mode: the plain view's furniture, scale bar and GO before the zoom buttons.
struct Ui_MapPanScreenClass : UiRecord {
    ZelMapControl *zelMapControl;
    ZelNorthUpWidget *NorthUp;
    QWidget *widgetScale;
    ZelIcon *iconScale;
    ZelTextBox *txtScale;
    ZelTextBox *txtScaleShadow;
    ZelPushButton *btnBigGo;
    ZelTextBox *textBox;
    ZelPushButton *ZoomIn;
    ZelPushButton *ZoomOut;
    ZelIcon *panelBottom;
    ZelPushButton *btnBack;
    ZelPushButton *btnContextMenu;
    ZelIcon *iconLatLong;
    ZelTextBox *txtLatLon;
};
