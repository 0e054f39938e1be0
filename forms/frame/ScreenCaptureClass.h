#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

#include <QWidget>

// Screen capture: switched on or off, and the saved captures.
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
