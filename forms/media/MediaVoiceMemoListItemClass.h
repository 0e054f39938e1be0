#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_containers.h"
#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

// One row of the voice memo list; the row button's normal and pressed images and its event propagation are root properties.
struct Ui_MediaVoiceMemoListItemClass : UiRecord {
    ZelIcon *iconMemo;
    ZelTextBox *txtMemoName;
    ZelTextBox *txtDate;
    ZelPushButton *btnPlayPause;
    ZelTextBox *txtDuration;
    ZelCheckBox *chkIsSelected;
    ZelProgressBar *progressBar;
};
