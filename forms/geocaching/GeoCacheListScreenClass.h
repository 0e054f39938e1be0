#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "controls/zel_virtual_list.h"
#include "core/form_layout.h"

#include <QStackedWidget>
#include <QWidget>

/* TRANSLATOR GeoCacheListScreenClass

   The list of geocaches.
*/
struct Ui_GeoCacheListScreenClass : UiRecord {
    ZelIcon *statusBar;
    QWidget *ScrollButtonsWidget;
    ZelPushButton *btnBack;
    QStackedWidget *stackedWidget;
    QWidget *pageMenu;
    ZelPushButton *btnContextMenu;
    QWidget *pageSave;
    ZelPushButton *btnSave;
    ZelPushButton *titleButton;
    ZelBacking *backing;
    ZelTextBox *txtWaypoints;
    ZelTextBox *txtNumOfCaches;
    ZelTextBox *txtFilter;
    ZelIcon *ItemIcon_Type;
    ZelTextBox *txtCurPage;
    ZelVirtualList *listGeoCaches;
};
