#pragma once

#include "controls/zel_push_button.h"
#include "controls/zel_status_indicator.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QWidget>

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
