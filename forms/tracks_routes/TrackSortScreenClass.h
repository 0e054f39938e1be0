#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_push_radio_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QWidget>

/* TRANSLATOR TrackSortScreenClass

   Sorts and filters the track list.
*/
struct Ui_TrackSortScreenClass : UiRecord {
    ZelPushButton *btnFilter;
    ZelTextBox *lblWptFilterTitle;
    ZelTextBox *lblTrkFilter;
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
    ZelIcon *icon;
    ZelTextBox *labelName;
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnSearch;
    ZelTextBox *dateTimeLabel_3;
};
