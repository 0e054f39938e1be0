#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_scroll_area.h"
#include "controls/zel_text_area.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QFormLayout>
#include <QWidget>

/* TRANSLATOR AbAddressListScreenClass

   One address-book contact: addresses with Go, phones and notes, with Delete or Save in the bar.
*/
struct Ui_AbAddressListScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnDelete;
    ZelIcon *iconDelete;
    ZelPushButton *btnSave;
    ZelIcon *iconSave;
    ZelPushButton *btnListHeader;
    ZelIcon *iconAddr;
    ZelTextBox *labelName;
    ZelScrollArea *scrollArea;
    QWidget *scrollAreaWidgetContents;
    QWidget *verticalLayoutWidget;
    QVBoxLayout *verticalLayout;
    ZelPushButton *btnAddress1;
    ZelPushButton *btnGo1;
    ZelPushButton *btnAddress1Icon;
    QWidget *formLayoutWidget;
    QFormLayout *formLayout_1;
    ZelTextBox *txtAddr1Part1;
    ZelTextBox *txtAddr1Part2;
    ZelPushButton *btnAddress2;
    ZelPushButton *btnGo2;
    ZelPushButton *btnAddress2Icon;
    QWidget *formLayoutWidget_2;
    QFormLayout *formLayout_2;
    ZelTextBox *txtAddr2Part1;
    ZelTextBox *txtAddr2Part2;
    ZelPushButton *btnHomePhone;
    ZelIcon *icon_3;
    ZelTextBox *txtHomePhone;
    ZelPushButton *btnWorkPhone;
    ZelIcon *icon_4;
    ZelTextBox *txtWorkPhone;
    ZelPushButton *btnMobilePhone;
    ZelIcon *icon_5;
    ZelTextBox *txtMobilePhone;
    ZelPushButton *btnNotes;
    ZelPushButton *btnEditNotes;
    ZelTextArea *txtNotes;
};
