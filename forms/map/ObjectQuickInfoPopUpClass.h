#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

#include <QHBoxLayout>
#include <QWidget>

// The bubble of a map object: a new-waypoint button with the read-outs, and Go.
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
