#pragma once

#include "controls/zel_vertical_spin_box.h"
#include "controls/zel_widget.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR DashboardCompassPublicScrClass

   A compass dashboard variant: a bar of up to four data fields and the spin box choosing their number.
*/
struct Ui_DashboardCompassPublicScrClass : UiRecord {
    ZelWidget *dashboardBar;
    ZelVerticalSpinBox *navFieldsSpinBox;
};
