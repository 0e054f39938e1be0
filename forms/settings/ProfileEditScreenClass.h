#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_list.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR ProfileEditScreenClass

   Editing one profile: the profile name and icon in the title header and a kinetic list of the profile's setting
   groups.
*/
struct Ui_ProfileEditScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnContextMenu;
    ZelIcon *icon;
    ZelTextBox *lblProfileName;
    ZelIcon *iconItem;
    ZelList *listSettings;
};
