#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_area.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QWidget>

/* TRANSLATOR QuarnMessageBoxClass

   The modal message box: title with icon, message, close button and up to four answers.
*/
struct Ui_QuarnMessageBoxClass : UiRecord {
    ZelPushButton *btnClose;
    ZelTextArea *txtMessage;
    QWidget *horizontalLayoutWidget;
    QHBoxLayout *horizontalLayout;
    ZelPushButton *btnOk;
    ZelTextBox *textBox;
    ZelPushButton *btnYes;
    ZelTextBox *textBox_2;
    ZelPushButton *btnNo;
    ZelTextBox *textBox_3;
    ZelPushButton *btnCancel;
    ZelTextBox *textBox_4;
    QWidget *horizontalLayoutWidget_2;
    QHBoxLayout *horizontalLayout_2;
    ZelIcon *iconTitle;
    ZelTextBox *txtTitle;
};
