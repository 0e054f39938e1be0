#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QWidget>

struct Ui_QuarnInfoPopupClass : UiRecord {
    QWidget *layoutWidget;
    QHBoxLayout *horizontalLayout;
    ZelIcon *icon;
    ZelTextBox *txtMessage;
};
