#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

#include <QWidget>

// A viewer of HTML text with page buttons.
struct Ui_HTMLViewerScreenClass : UiRecord {
    ZelIcon *icon;
    ZelTextBox *labelName;
    ZelIcon *bottomBar;
    ZelPushButton *btnBack;
    QWidget *ScrollButtonsWidget;
    ZelBacking *backing;
    ZelTextArea *txtHtmlArea;
};
