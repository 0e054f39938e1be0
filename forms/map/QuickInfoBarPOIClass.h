#pragma once

#include "controls/zel_push_button.h"
#include "controls/zel_status_indicator.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QWidget>

/* TRANSLATOR QuickInfoBarPOIClass

   The quick-information bar of a point of interest under the status line.
*/
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
