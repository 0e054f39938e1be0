#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_images.h"
#include "controls/zel_instruments.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

#include <QHBoxLayout>
#include <QWidget>

// The map while an area is measured: area and perimeter over a shaded band, zoom, scale bar, Back and menu.
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
