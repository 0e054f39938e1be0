#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

#include <QHBoxLayout>
#include <QWidget>

// The quick-information bar of a waypoint under the status line.
struct Ui_QuickInfoBarWaypointClass : UiRecord {
    ZelTextBox *txtName;
    ZelIcon *iconObj;
    ZelPushButton *btnDetails;
    ZelStatusIndicator *statDirection;
    QWidget *layoutWidget;
    QHBoxLayout *horizontalLayout;
    ZelTextBox *txtLatitude;
    ZelTextBox *txtDistance;
    ZelTextBox *txtLongitude;
    ZelTextBox *txtBearing;
    ZelTextBox *txtCoordZ;
    ZelTextBox *txtElevation;
    ZelIcon *favoriteIcon;
    ZelIcon *mediaIcon;
};
