#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

// The pictures screen of one waypoint: the header's title and bottom bar; the pictures are the host's.
struct Ui_WptPicturesScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnMenu;
    ZelPushButton *btnBack;
    ZelWidget *statusBarButtonsView;
    ZelPushButton *btnMap;
    ZelPushButton *btnGo;
    ZelWidget *statusBarButtonsWptCreation;
    ZelPushButton *btnSave;
    ZelPushButton *nameButton;
    ZelTextBox *labelDateTime;
    ZelTextBox *labelName;
    ZelBacking *backing;
    ZelPushButton *iconButton;
    ZelIcon *waypointIcon;
    ZelIcon *iconFavorite;
    ZelIcon *mediaIcon;
};
