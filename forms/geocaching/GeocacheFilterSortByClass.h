#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_push_radio_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QWidget>

/* TRANSLATOR GeocacheFilterSortByClass

   The sort order page.
*/
struct Ui_GeocacheFilterSortByClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    QWidget *verticalLayoutWidget;
    QVBoxLayout *verticalLayout;
    ZelPushRadioButton *btnIDSort;
    ZelTextBox *Reserved;
    ZelPushRadioButton *btnNearestSort;
    ZelTextBox *dateTimeLabel_4;
    ZelPushRadioButton *btnDateSort;
    ZelTextBox *dateTimeLabel_5;
    ZelPushRadioButton *btnTypeSort;
    ZelTextBox *dateTimeLabel_6;
    ZelPushRadioButton *btnNameSort;
    ZelTextBox *dateTimeLabel_7;
    ZelIcon *icon;
    ZelTextBox *labelName;
};
