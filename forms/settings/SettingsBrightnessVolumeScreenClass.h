#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_combo_box.h"
#include "controls/zel_horizontal_slider.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_push_check_box.h"
#include "controls/zel_scroll_area.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR SettingsBrightnessVolumeScreenClass

   Brightness and volume: two sliders, the backlight timer choice and check boxes for mute, vibrate and button sounds,
   in a scrolling panel.
*/
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
