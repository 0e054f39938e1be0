#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_map_control.h"
#include "controls/zel_north_up_widget.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR MapPreviewScreenClass

   A destination previewed before navigation: distance, name and description over the map, zoom, GO, route options.
*/
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
