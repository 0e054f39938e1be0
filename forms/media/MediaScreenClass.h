#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR MediaScreenClass

   The media menu.
*/
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
