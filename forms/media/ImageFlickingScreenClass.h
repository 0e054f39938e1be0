#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR ImageFlickingScreenClass

   The image viewer.
*/
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
