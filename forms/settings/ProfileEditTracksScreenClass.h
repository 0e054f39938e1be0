#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_combo_box.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR ProfileEditTracksScreenClass

   The track-recording settings of a profile.
*/
struct Ui_ProfileEditTracksScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnApplyToAll;
    ZelTextBox *lblApplyToAll;
    ZelIcon *icon;
    ZelTextBox *lblMapOptions_2;
    ZelIcon *iconProfile;
    ZelIcon *icon_2;
    ZelComboBox *comboLogMode;
    ZelComboBox *comboLogModeDetail;
    ZelTextBox *lblLogMode;
    ZelBacking *backing;
};
