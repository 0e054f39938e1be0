#pragma once

#include "controls/zel_color_palette_ctrl.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR ColorSelectionScreenClass

   The popup palette of twelve colours to choose from.
*/
struct Ui_ColorSelectionScreenClass : UiRecord {
    ZelTextBox *txtTitle;
    ZelPushButton *btnClose;
    zelColorPaletteCtrl *paletteCtrl;
};
