#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

#include <QHBoxLayout>
#include <QWidget>

// The quick-information bar of a point of interest under the status line.
struct Ui_QuickInfoBarPOIClass : UiRecord {
    ZelTextBox *txtName;
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
