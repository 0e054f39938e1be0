#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

#include <QWidget>

// The image viewer.
struct Ui_ImageFlickingScreenClass : UiRecord {
    ZelPushButton *btnNext;
    ZelPushButton *btnPrev;
    ZelIcon *bottomBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnOK;
    ZelIcon *iconTitle;
    ZelTextBox *labelName;
    ZelIcon *ActiveIcon;
    ZelTextBox *labelNumber;
    ZelTextBox *labelPage;
    QWidget *widgetContainer;
};
