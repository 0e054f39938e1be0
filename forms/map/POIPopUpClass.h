#pragma once

#include "controls/zel_push_button.h"
#include "controls/zel_status_indicator.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QWidget>

/* TRANSLATOR POIPopUpClass

   The point-of-interest bubble on the map, with its Go button.
*/
struct Ui_POIPopUpClass : UiRecord {
    ZelTextBox *txtName;
    ZelPushButton *btnGo;
    ZelPushButton *btnDetails;
    ZelStatusIndicator *statDirection;
    QWidget *layoutWidget;
    QHBoxLayout *horizontalLayout;
    ZelTextBox *txtLatitude;
    ZelTextBox *txtDistance;
    ZelTextBox *txtLongitude;
    ZelTextBox *txtBearing;
    ZelTextBox *txtElevation;
    ZelTextBox *txtCoordZ;
};
