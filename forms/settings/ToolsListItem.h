#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QWidget>

struct Ui_ToolsListItem : UiRecord {
    ZelIcon *icon;
    QWidget *horizontalLayoutWidget;
    QHBoxLayout *horizontalLayout;
    ZelTextBox *txtName;
    ZelTextBox *txtValue;
};
