#pragma once

#include "controls/zel_status_indicator.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QFormLayout>
#include <QWidget>

struct Ui_TurnListItemClass : UiRecord {
    QWidget *formLayoutWidget;
    QFormLayout *formLayout;
    ZelTextBox *txtName;
    ZelTextBox *txtAdd;
    ZelStatusIndicator *manIndicator;
};
