#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

// The voice memo recorder.
struct Ui_MediaVoiceMemoRecScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnMemoFiles;
    ZelPushButton *btnContextMenu;
    ZelIcon *icoMicrophone;
    ZelPushButton *btnRecOPause;
    ZelPushButton *btnListHeader;
    ZelIcon *iconVoiceMemo;
    ZelTextBox *txtMemo;
    ZelPushButton *btnStop;
    ZelBacking *backing;
    ZelTextBox *txtRecStatus;
};
