#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_map_control.h"
#include "controls/zel_north_up_widget.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR MapViewScreenClass

   The plain map view: north-up indicator, zoom, scale bar, GO, coordinates at the top, Back and menu below.
*/
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
