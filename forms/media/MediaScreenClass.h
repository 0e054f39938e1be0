#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

// The media menu.
struct Ui_MediaScreenClass : UiRecord {
    ZelPushButton *btnCamera;
    ZelPushButton *btnVoiceMemo;
    ZelPushButton *btnVideo;
    ZelIcon *statusBar;
    ZelPushButton *btnSettings;
    ZelPushButton *btnBack;
    ZelPushButton *btnMyphotos;
    ZelPushButton *btnMymemos;
    ZelPushButton *btnMyvideos;
    ZelBacking *backing;
    ZelTextBox *myphotos;
    ZelTextBox *camera;
    ZelBacking *backing_2;
    ZelTextBox *voicememo;
    ZelTextBox *mymemos;
    ZelBacking *backing_3;
    ZelTextBox *video;
    ZelTextBox *myvideos;
};
