#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_containers.h"
#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

#include <QWidget>

// The list of values from which the user picks what a data field shows.
struct Ui_DashboardFieldsListScrClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    QWidget *ScrollButtonsWidget;
    ZelIcon *icon;
    ZelTextBox *labelName;
    ZelIcon *iconTitle;
    ZelTextBox *txtCurPage;
    ZelTextBox *txtNumOfFlds;
    ZelList *listDataFields;
};
