#pragma once

#include "controls/zel_controls.h"
#include "core/form_layout.h"

#include <QWidget>

// Brightness and volume: two sliders, the backlight timer choice and check
// boxes for mute, vibrate and button sounds, in a scrolling panel.
struct Ui_SettingsBrightnessVolumeScreenClass : UiRecord {
    ZelIcon *iconTitleBar;
    ZelTextBox *lblProfileName_3;
    ZelIcon *iconBrightnessVolume;
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    QWidget *ScrollButtonsWidget;
    ZelBacking *backing;
    ZelScrollArea *scrollArea;
    QWidget *scrollAreaWidgetContents;
    ZelPushCheckBox *cbVibrate;
    ZelTextBox *lblVibrate_3;
    ZelTextBox *lblBackLight;
    ZelTextBox *lblBrightness;
    ZelIcon *iconVolume;
    ZelHorizontalSlider *sliderVolume;
    ZelIcon *iconBrightness;
    ZelPushCheckBox *cbMute;
    ZelTextBox *lblMute_2;
    ZelTextBox *lblVolume;
    ZelPushCheckBox *cbButtonSounds;
    ZelTextBox *lblVibrate_4;
    ZelComboBox *comboBacklight;
    ZelHorizontalSlider *sliderBrightness;
};
