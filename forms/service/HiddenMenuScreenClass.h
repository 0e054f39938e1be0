#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_containers.h"
#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

// The service menu: a list of service entries.
struct Ui_HiddenMenuScreenClass : UiRecord {
    ZelList *listSettings;
    ZelIcon *icon;
    ZelTextBox *labelName;
    ZelTextBox *labelPage;
    ZelIcon *bottomBar;
    ZelPushButton *btnBack;
};
