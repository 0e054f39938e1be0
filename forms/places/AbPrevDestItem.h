#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QFormLayout>
#include <QWidget>

/* TRANSLATOR AbPrevDestItem

   One row of the previous-destination list: icon and two address lines.
*/
struct Ui_AbPrevDestItem : UiRecord {
    ZelIcon *iconDest;
    QWidget *formLayoutWidget;
    QFormLayout *formLayout;
    ZelTextBox *txtAddrPart1;
    ZelTextBox *txtAddrPart2;
};
