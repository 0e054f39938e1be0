#pragma once

#include "controls/zel_horizontal_slider.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QWidget>

/* TRANSLATOR BrightnessPopupScreenClass

   The power popup: connect, suspend, sleep and power off, with volume and brightness.
*/
struct Ui_BrightnessPopupScreenClass : UiRecord {
    ZelHorizontalSlider *sliderBrightness;
    ZelHorizontalSlider *sliderVolume;
    ZelTextBox *lblVolume;
    ZelTextBox *lblBrightness;
    ZelIcon *iconBrightness;
    ZelIcon *iconVolume;
    ZelTextBox *txtTitle;
    ZelPushButton *btnClose;
    QWidget *verticalLayoutWidget;
    QVBoxLayout *verticalLayout;
    ZelPushButton *btnConnectToPC;
    ZelTextBox *lblConnectToPC;
    ZelIcon *iconConnectToPC;
    ZelPushButton *btnSuspend;
    ZelTextBox *lblSuspend;
    ZelIcon *iconSuspend;
    ZelPushButton *btnSleep;
    ZelTextBox *lblSleep;
    ZelIcon *iconSleep;
    ZelPushButton *btnPowerOff;
    ZelTextBox *lblPowerOff;
    ZelIcon *iconPoweOff;
};
