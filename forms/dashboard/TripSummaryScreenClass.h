#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_list.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR TripSummaryScreenClass

   The trip summary: a titled list of summary rows.
*/
struct Ui_TripSummaryScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    QWidget *ScrollButtonsWidget;
    ZelIcon *icon_2;
    ZelTextBox *txtName;
    ZelTextBox *txtCurPage;
    ZelTextBox *txtNumOfCaches;
    ZelIcon *icon;
    ZelList *lstSummary;
};
