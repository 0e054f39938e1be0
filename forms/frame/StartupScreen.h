#pragma once

#include "controls/zel_animation_ctrl.h"
#include "controls/zel_icon.h"
#include "controls/zel_text_area.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR StartupScreen

   The start-up splash: product, version, stopwatch animation and owner information.
*/
struct Ui_StartupScreen : UiRecord {
    ZelIcon *iconLogo;
    ZelTextArea *txtCopyright;
    ZelTextBox *txtVersion;
    ZelAnimationCtrl *pAnimationCtrl;
    QWidget *ownerInfoContainer;
    ZelTextBox *txtOwnerName;
    ZelTextBox *txtOwnerPhone;
    ZelTextBox *txtStatus;
    ZelTextBox *txtProductName;
};
