#pragma once

#include "controls/zel_compass.h"
#include "controls/zel_icon.h"
#include "controls/zel_map_control.h"
#include "controls/zel_north_up_widget.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR MapControlsScreenClass

   The map with its control panels: Dashboard and Bravik above, Main and menu below, zoom, scale bar and compass.
*/
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
