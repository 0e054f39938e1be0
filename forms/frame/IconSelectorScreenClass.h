#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_containers.h"
#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

#include <QGridLayout>
#include <QWidget>

// The popup grid of icons to choose from.
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
