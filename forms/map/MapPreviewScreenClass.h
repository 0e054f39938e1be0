#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_images.h"
#include "controls/zel_instruments.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

#include <QWidget>

// A destination previewed before navigation: distance, name and description over the map, zoom, GO, route options.
struct Ui_MapPreviewScreenClass : UiRecord {
    ZelMapControl *zelMapControl;
    ZelIcon *infoBackground;
    ZelTextBox *txtDistance;
    ZelTextBox *txtAddInfo;
    ZelIcon *destIcon;
    QWidget *widgetScale;
    ZelIcon *iconScale;
    ZelTextBox *txtScale;
    ZelTextBox *txtScaleShadow;
    ZelNorthUpWidget *NorthUp;
    ZelPushButton *ZoomIn;
    ZelPushButton *ZoomOut;
    QWidget *addressBkg;
    ZelTextBox *Name;
    ZelTextBox *Description;
    ZelIcon *panelBottom;
    ZelPushButton *btnRouteOptions;
    ZelPushButton *btnBigGo;
    ZelTextBox *textBox;
    ZelPushButton *btnBack;
};
