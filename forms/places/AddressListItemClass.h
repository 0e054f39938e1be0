#pragma once

#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QFormLayout>
#include <QWidget>

struct Ui_AddressListItemClass : UiRecord {
    QWidget *widget;
    QHBoxLayout *horizontalLayout;
    QFormLayout *formLayout;
    ZelTextBox *txtName;
    ZelTextBox *txtAdd;
    ZelTextBox *txtDistance;
};
