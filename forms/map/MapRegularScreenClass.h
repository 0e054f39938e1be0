#pragma once

#include "controls/zel_compass.h"
#include "controls/zel_icon.h"
#include "controls/zel_map_control.h"
#include "controls/zel_north_up_widget.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "controls/zel_widget.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR MapRegularScreenClass

   The map with a bar of data fields along its lower edge, compass, zoom and scale bar.
*/
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
