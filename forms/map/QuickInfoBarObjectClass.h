#pragma once

#include "controls/zel_push_button.h"
#include "controls/zel_status_indicator.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QWidget>

/* TRANSLATOR QuickInfoBarObjectClass

   The quick-information bar of a map object; the whole bar makes a new waypoint.
*/
struct Ui_QuickInfoBarObjectClass : UiRecord {
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
