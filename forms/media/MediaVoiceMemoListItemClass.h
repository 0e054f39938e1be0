#pragma once

#include "controls/zel_check_box.h"
#include "controls/zel_icon.h"
#include "controls/zel_progress_bar.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

// One row of the voice memo list; the row button's normal and pressed
// images and its event propagation are root properties.
struct Ui_MediaVoiceMemoListItemClass : UiRecord {
    ZelIcon *iconMemo;
    ZelTextBox *txtMemoName;
    ZelTextBox *txtDate;
    ZelPushButton *btnPlayPause;
    ZelTextBox *txtDuration;
    ZelCheckBox *chkIsSelected;
    ZelProgressBar *progressBar;
};
