#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_widget.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR DashboardNavFieldsScreenClass

   The data-fields-only dashboard: 1 to 14 data fields filling the screen.
*/
struct Ui_DashboardNavFieldsScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnMenu;
    ZelPushButton *btnToolBar;
    ZelWidget *dashboardBar;
};
