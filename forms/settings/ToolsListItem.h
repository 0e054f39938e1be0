#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QWidget>

/* TRANSLATOR ToolsListItem

   One row of the tools menu; the row button's normal and pressed images and its event propagation are root properties.
*/
struct Ui_ToolsListItem : UiRecord {
    ZelIcon *icon;
    QWidget *horizontalLayoutWidget;
    QHBoxLayout *horizontalLayout;
    ZelTextBox *txtName;
    ZelTextBox *txtValue;
};
