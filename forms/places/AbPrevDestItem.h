#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QFormLayout>
#include <QWidget>

struct Ui_AbPrevDestItem : UiRecord {
    ZelIcon *iconDest;
    QWidget *formLayoutWidget;
    QFormLayout *formLayout;
    ZelTextBox *txtAddrPart1;
    ZelTextBox *txtAddrPart2;
};
