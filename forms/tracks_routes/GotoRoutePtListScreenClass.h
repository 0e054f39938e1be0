#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "controls/zel_virtual_list.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR GotoRoutePtListScreenClass

   Lets the user choose the route point to go to.
*/
struct Ui_GotoRoutePtListScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    QWidget *ScrollButtonsWidget;
    ZelVirtualList *lstPoints;
    ZelIcon *icon_2;
    ZelTextBox *txtName;
    ZelTextBox *txtCurPage;
    ZelTextBox *txtNumOfPoints;
    ZelIcon *icon;
};
