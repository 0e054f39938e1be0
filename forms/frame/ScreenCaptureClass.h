#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR ScreenCaptureClass

   Screen capture: switched on or off, and the saved captures.
*/
struct Ui_ScreenCaptureClass : UiRecord {
    ZelIcon *iconTitleBar;
    ZelTextBox *lblTitle;
    ZelIcon *icon;
    ZelTextBox *lblPress;
    ZelTextBox *lblScreenCapture;
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnOnOff;
    ZelTextBox *lblOnOff;
    ZelPushButton *btnView;
    ZelTextBox *lblView;
    ZelBacking *backing;
};
