#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QHBoxLayout>
#include <QSpacerItem>
#include <QWidget>

// One check item of the multiple-choice list. The root is the check button; its mark images, mark position and button
// images are dynamic properties of the root.
struct Ui_GeocacheFilterTypeItemClass : UiRecord {
    QWidget *horizontalLayoutWidget;
    QHBoxLayout *horizontalLayout;
    ZelIcon *iconType;
    ZelTextBox *txtName;
    QSpacerItem *horizontalSpacer;
};
