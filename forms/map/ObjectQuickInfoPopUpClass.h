#pragma once

#include "controls/zel_push_button.h"
#include "controls/zel_status_indicator.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QWidget>

/* TRANSLATOR ObjectQuickInfoPopUpClass

   The bubble of a map object: a new-waypoint button with the read-outs, and Go.
*/
struct Ui_ObjectQuickInfoPopUpClass : UiRecord {
    ZelPushButton *btnGo;
    ZelPushButton *btnNewWpt;
    ZelTextBox *txtBearing;
    ZelTextBox *txtDistance;
    QWidget *layoutWidget;
    QHBoxLayout *horizontalLayout;
    ZelTextBox *txtLatitude;
    ZelTextBox *txtLongitude;
    ZelTextBox *txtCoordZ;
    ZelTextBox *txtElevation;
    ZelStatusIndicator *statDirection;
};
