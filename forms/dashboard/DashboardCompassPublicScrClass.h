#pragma once

#include "controls/zel_vertical_spin_box.h"
#include "controls/zel_widget.h"
#include "core/form_layout.h"

#include <QWidget>

struct Ui_DashboardCompassPublicScrClass : UiRecord {
    ZelWidget *dashboardBar;
    ZelVerticalSpinBox *navFieldsSpinBox;
};
