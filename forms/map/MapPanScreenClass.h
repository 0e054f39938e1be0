#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_map_control.h"
#include "controls/zel_north_up_widget.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR MapPanScreenClass

   The map in pan mode: the plain view's furniture, scale bar and GO before the zoom buttons.
*/
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
