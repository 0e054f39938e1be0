#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_list.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QStackedWidget>
#include <QWidget>

/* TRANSLATOR MediaVoiceMemoListScreenClass

   The list of voice memos.
*/
struct Ui_MediaVoiceMemoListScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    QStackedWidget *stackedWidget;
    QWidget *pageMenu;
    ZelPushButton *btnContextMenu;
    QWidget *pageConfirm;
    ZelPushButton *btnConfirm;
    QWidget *ScrollButtonsWidget;
    ZelList *listMemo;
    ZelPushButton *btnListHeader;
    ZelIcon *iconVoice;
    ZelTextBox *txtCurPage;
    ZelTextBox *txtNumOfMemo;
    ZelTextBox *txtMemo;
};
