#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR MediaVoiceMemoRecScreenClass

   The voice memo recorder.
*/
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
