#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_list.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

struct Ui_TurnListScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnSortType;
    ZelTextBox *lblSortType;
    ZelList *list;
    ZelPushButton *btnListHeader;
    ZelTextBox *txtLabel;
    ZelTextBox *txtCurPage;
    ZelTextBox *txtNumOfAddress;
};
