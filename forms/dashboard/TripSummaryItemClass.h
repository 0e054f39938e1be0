#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QStackedWidget>
#include <QWidget>

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
