#pragma once

#include "controls/zel_containers.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

// The progress popup: waiting caption, progress bar and progress text.
struct Ui_ProgressScreenClass : UiRecord {
    ZelProgressBar *progressBar;
    ZelTextBox *txtPleaseWait;
    ZelTextBox *txtProgressText;
};
