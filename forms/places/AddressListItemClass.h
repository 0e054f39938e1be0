#pragma once

#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QFormLayout>
#include <QWidget>

/* TRANSLATOR AddressListItemClass

   One row of the address result list: name and address beside the distance.
*/
struct Ui_AddressListItemClass : UiRecord {
    QWidget *widget;
    QHBoxLayout *horizontalLayout;
    QFormLayout *formLayout;
    ZelTextBox *txtName;
    ZelTextBox *txtAdd;
    ZelTextBox *txtDistance;
};
