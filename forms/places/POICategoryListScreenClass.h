#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "controls/zel_virtual_list.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR POICategoryListScreenClass

   The list of point-of-interest categories with its title and empty-list message.
*/
struct Ui_POICategoryListScreenClass : UiRecord {
    ZelIcon *bkgnd;
    ZelIcon *iconWpt;
    ZelTextBox *txtTitle;
    ZelTextBox *txtSubtitle;
    ZelTextBox *txtCurPage;
    ZelTextBox *txtNumOfPOI;
    ZelVirtualList *listPOICategory;
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnContextMenu;
    QWidget *ScrollButtonsWidget;
    ZelBacking *backing;
    ZelBacking *backingNoObjects;
    ZelTextBox *txtNoObjects;
};
