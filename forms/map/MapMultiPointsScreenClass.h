#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_map_control.h"
#include "controls/zel_north_up_widget.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR MapMultiPointsScreenClass

   The map for picking several points: coordinates at the top, zoom, scale bar, Back and OK.
*/
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
