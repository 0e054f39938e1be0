#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QStackedWidget>
#include <QWidget>

/* TRANSLATOR TripSummaryItemClass

   One trip-summary row: a title and value, or a start coordinate with its date.
*/
struct Ui_TripSummaryItemClass : UiRecord {
    QStackedWidget *stackedWidget;
    QWidget *page;
    ZelTextBox *txtTitle;
    ZelTextBox *txtValue;
    ZelIcon *icon1;
    QWidget *page_2;
    ZelTextBox *txtTitleCoord;
    ZelTextBox *txtCoords;
    ZelTextBox *txtDate;
    ZelIcon *icon2;
};
