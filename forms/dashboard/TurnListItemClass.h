#pragma once

#include "controls/zel_status_indicator.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QFormLayout>
#include <QWidget>

/* TRANSLATOR TurnListItemClass

   One row of the turn list: the manoeuvre and two lines of text.
*/
struct Ui_TurnListItemClass : UiRecord {
    QWidget *formLayoutWidget;
    QFormLayout *formLayout;
    ZelTextBox *txtName;
    ZelTextBox *txtAdd;
    ZelStatusIndicator *manIndicator;
};
