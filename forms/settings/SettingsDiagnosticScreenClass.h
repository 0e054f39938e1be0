#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR SettingsDiagnosticScreenClass

   Diagnostics: buttons that start the audio, video and touch tests.
*/
struct Ui_SettingsDiagnosticScreenClass : UiRecord {
    ZelIcon *icon_2;
    ZelTextBox *lblOffCourse_2;
    ZelIcon *icon;
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnAudioTest;
    ZelTextBox *lblAudioTest;
    ZelIcon *iconAudio;
    ZelPushButton *btnVideoTest;
    ZelTextBox *lblVideoTest;
    ZelIcon *iconVideo;
    ZelPushButton *btnTouchTest;
    ZelTextBox *lblTouchTest;
};
