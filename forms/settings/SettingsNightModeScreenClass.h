#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_push_radio_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR SettingsNightModeScreenClass

   Night mode: three radio buttons Auto, ON and OFF.
*/
struct Ui_SettingsNightModeScreenClass : UiRecord {
    ZelIcon *bottomBar;
    ZelPushButton *btnBack;
    ZelIcon *icon;
    ZelTextBox *labelName_4;
    ZelIcon *icon_2;
    ZelPushRadioButton *button_Auto;
    ZelTextBox *textBox;
    ZelPushRadioButton *button_ON;
    ZelTextBox *textBox_2;
    ZelPushRadioButton *button_OFF;
    ZelTextBox *textBox_3;
};
