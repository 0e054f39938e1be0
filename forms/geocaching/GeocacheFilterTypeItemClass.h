#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QSpacerItem>
#include <QWidget>

struct Ui_GeocacheFilterTypeItemClass : UiRecord {
    QWidget *horizontalLayoutWidget;
    QHBoxLayout *horizontalLayout;
    ZelIcon *iconType;
    ZelTextBox *txtName;
    QSpacerItem *horizontalSpacer;
};
