#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_list.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR ImportListScreenClass

   The list of importable items.
*/
struct Ui_ImportListScreenClass : UiRecord {
    ZelPushButton *btnListHeader;
    ZelTextBox *txtPath;
    ZelTextBox *txtCurPage;
    ZelTextBox *txtNumOfItems;
    ZelTextBox *txtImportFrom;
    ZelIcon *iconImport;
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnClose;
    QWidget *ScrollButtonsWidget;
    ZelList *listItems;
};
