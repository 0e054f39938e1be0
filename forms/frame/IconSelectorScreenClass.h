#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_scroll_area.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QGridLayout>
#include <QWidget>

/* TRANSLATOR IconSelectorScreenClass

   The popup grid of icons to choose from.
*/
struct Ui_IconSelectorScreenClass : UiRecord {
    ZelTextBox *txtTitle;
    ZelPushButton *btnClose;
    ZelScrollArea *scrollArea;
    QWidget *scrollAreaWidgetContents;
    QWidget *gridLayoutWidget;
    QGridLayout *gridLayout;
    ZelIcon *iconButtonBack;
    ZelTextBox *textBox;
};
