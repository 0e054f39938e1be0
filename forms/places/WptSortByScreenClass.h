#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_push_radio_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QWidget>

/* TRANSLATOR WptSortByScreenClass

   Sorting and filtering the waypoint list: the filter, four sort choices and the name search.
*/
struct Ui_WptSortByScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnNext;
    ZelTextBox *label;
    ZelIcon *icon;
    ZelTextBox *labelName;
    ZelPushButton *btnFilter;
    ZelTextBox *lblWptFilterTitle;
    ZelTextBox *lblWptFilter;
    ZelPushButton *btnSearch;
    ZelTextBox *dateTimeLabel_3;
    QWidget *verticalLayoutWidget;
    QVBoxLayout *verticalLayout;
    ZelPushRadioButton *btnNearestSort;
    ZelTextBox *dateTimeLabel_4;
    ZelPushRadioButton *btnDateCreatedSort;
    ZelTextBox *dateTimeLabel_5;
    ZelPushRadioButton *btnTypeSort;
    ZelTextBox *dateTimeLabel_6;
    ZelPushRadioButton *btnNameSort;
    ZelTextBox *dateTimeLabel_7;
};
