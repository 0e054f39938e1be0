#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_input.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

#include <QWidget>

// The popup palette of twelve colours to choose from.
struct Ui_ColorSelectionScreenClass : UiRecord {
    ZelTextBox *txtTitle;
    ZelPushButton *btnClose;
    zelColorPaletteCtrl *paletteCtrl;
};
