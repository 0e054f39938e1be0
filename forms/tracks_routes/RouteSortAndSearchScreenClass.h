#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_push_radio_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QSpacerItem>
#include <QStackedWidget>
#include <QWidget>

/* TRANSLATOR RouteSortAndSearchScreenClass

   Sorts, filters and searches the route list.
*/
struct Ui_RouteSortAndSearchScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelIcon *icon;
    ZelTextBox *labelName;
    ZelPushButton *btnSearch;
    ZelTextBox *dateTimeLabel_3;
    QWidget *verticalLayoutWidget;
    QVBoxLayout *verticalLayout;
    ZelPushRadioButton *btnNearestSort;
    ZelTextBox *dateTimeLabel_4;
    ZelPushRadioButton *btnDateCreatedSort;
    ZelTextBox *dateTimeLabel_5;
    ZelPushRadioButton *btnNameSort;
    ZelTextBox *dateTimeLabel_7;
    QSpacerItem *verticalSpacer;
    QStackedWidget *stackedWidget;
    QWidget *pageAll;
    ZelPushButton *btnShowAll;
    ZelTextBox *lblWptFilterTitle;
    ZelTextBox *lblWptFilter;
    QWidget *pageFavorites;
    ZelPushButton *btnShowFavorites;
    ZelTextBox *lblWptFilterTitle_3;
    ZelTextBox *lblWptFilter_3;
};
