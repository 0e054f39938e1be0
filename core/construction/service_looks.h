#pragma once

// Pieces shared by the service and test screens.

#include "core/construction/row.h"
#include "controls/zel_check_box.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"

namespace quarn {

// The 33 px title strip of the service screens, at the given height.
Row<ZelIcon> serviceTitleStrip(ZelIcon *&field, QWidget *root, int y);
// The full-width title on it: white, antialiased normal weight, 16 px, centred.
Row<ZelTextBox> serviceTitle(ZelTextBox *&field, QWidget *titleStrip);
// A 28 px band under a caption (current file, current status) and its text.
Row<ZelIcon> serviceStatusBand(ZelIcon *&field, QWidget *root, const char *objectName, int y);
Row<ZelTextBox> serviceStatusText(ZelTextBox *&field, QWidget *band, const char *objectName);
// The 28 x 29 switches with their mark at the corner: check box and radio looks.
Row<ZelCheckBox> serviceCheckBox(ZelCheckBox *&field, QWidget *parent, const char *objectName, int x, int y);
Row<ZelCheckBox> serviceRadioButton(ZelCheckBox *&field, QWidget *parent, const char *objectName, int x, int y);

// The keyboard-key faces the command buttons wear.
enum class KeyFace {
    Tall,   // b_KB_01
    Medium, // b_KB_02
    Wide,   // b_KB_03
    Round,  // b_RoundButton
};
// A command button: the face, pressed "_h", focused the face again, and
// passing its events on to the screen.
Row<ZelPushButton> keyButton(ZelPushButton *&field, QWidget *parent, const char *objectName, int x, int y, int width,
                             int height, KeyFace face);

} // namespace quarn
