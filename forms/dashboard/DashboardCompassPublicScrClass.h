#pragma once

#include "controls/zel_images.h"
#include "controls/zel_input.h"
#include "core/form_layout.h"

// A compass dashboard variant: a bar of up to four data fields and the spin box choosing their number.
struct Ui_DashboardCompassPublicScrClass : UiRecord {
    ZelWidget *dashboardBar;
    ZelVerticalSpinBox *navFieldsSpinBox;
};
