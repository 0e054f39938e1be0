#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_status_indicator.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QStackedWidget>
#include <QWidget>

/* TRANSLATOR RoutePointItemClass

   One row of the route point list, with three pages.
*/
struct Ui_RoutePointItemClass : UiRecord {
    QStackedWidget *stackedWidget;
    QWidget *pageNormal;
    ZelTextBox *textName;
    ZelTextBox *textDistance;
    ZelIcon *ItemIcon_Type;
    ZelStatusIndicator *statDirection;
    ZelTextBox *txtDirection;
    ZelPushButton *btnDel;
    ZelPushButton *emptySpaceDel;
    QWidget *pageEdit;
    ZelPushButton *btnPageUp;
    ZelPushButton *btnPageDown;
    ZelTextBox *textName_2;
    ZelTextBox *textDistance_2;
    ZelTextBox *txtDirection_2;
    ZelStatusIndicator *statDirection_2;
    QWidget *pageAdd;
    QWidget *horizontalLayoutWidget;
    QHBoxLayout *horizontalLayout;
    ZelTextBox *txtName;
    ZelTextBox *txtValue;
    ZelIcon *icon;
};
