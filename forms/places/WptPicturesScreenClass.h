#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "controls/zel_widget.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR WptPicturesScreenClass

   The pictures screen of one waypoint: the header's title and bottom bar; the pictures are the host's.
*/
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
