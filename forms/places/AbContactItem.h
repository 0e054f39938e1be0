#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QFormLayout>
#include <QWidget>

/* TRANSLATOR AbContactItem

   One row of the contact list: icon, name and address lines, and Go.
*/
struct Ui_AbContactItem : UiRecord {
    ZelIcon *iconContact;
    ZelPushButton *btnGo;
    QWidget *formLayoutWidget;
    QFormLayout *formLayout;
    ZelTextBox *txtContactName;
    ZelTextBox *txtAddress;
};
