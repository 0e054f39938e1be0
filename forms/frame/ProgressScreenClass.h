#pragma once

#include "controls/zel_progress_bar.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR ProgressScreenClass

   The progress popup: waiting caption, progress bar and progress text.
*/
struct Ui_ProgressScreenClass : UiRecord {
    ZelProgressBar *progressBar;
    ZelTextBox *txtPleaseWait;
    ZelTextBox *txtProgressText;
};
