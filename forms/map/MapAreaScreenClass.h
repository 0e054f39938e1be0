#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_map_control.h"
#include "controls/zel_north_up_widget.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QWidget>

/* TRANSLATOR MapAreaScreenClass

   The map while an area is measured: area and perimeter over a shaded band, zoom, scale bar, Back and menu.
*/
struct Ui_MapAreaScreenClass : UiRecord {
    ZelMapControl *zelMapControl;
    ZelNorthUpWidget *NorthUp;
    QWidget *widgetScale;
    ZelIcon *iconScale;
    ZelTextBox *txtScale;
    ZelTextBox *txtScaleShadow;
    ZelPushButton *ZoomOut;
    ZelPushButton *ZoomIn;
    QWidget *infoBkg;
    QWidget *layoutWidget;
    QHBoxLayout *horizontalLayout1;
    ZelTextBox *txtArea;
    ZelTextBox *txtAreaValue;
    QWidget *layoutWidget_2;
    QHBoxLayout *horizontalLayout2;
    ZelTextBox *txtPerimeter;
    ZelTextBox *txtPerimeterValue;
    ZelIcon *panelBottom;
    ZelPushButton *btnBack;
    ZelPushButton *btnContextMenu;
};
