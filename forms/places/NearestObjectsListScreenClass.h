#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "controls/zel_virtual_list.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR NearestObjectsListScreenClass

   The list of found nearest objects with its header strip and counters.
*/
struct Ui_NearestObjectsListScreenClass : UiRecord {
    ZelIcon *statusBar;
    QWidget *ScrollButtonsWidget;
    ZelPushButton *btnBack;
    ZelVirtualList *listObjects;
    ZelIcon *icon_2;
    ZelTextBox *txtCurPage;
    ZelTextBox *txtNumOfCaches;
    ZelTextBox *textBox;
};
