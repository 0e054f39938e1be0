#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "controls/zel_widget.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR WptDataScreenClass

   The header screen of one waypoint: two-part title and a bottom bar for viewing or creating.
*/
struct Ui_WptDataScreenClass : UiRecord {
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
    ZelPushButton *iconButton;
    ZelIcon *waypointIcon;
    ZelIcon *iconFavorite;
    ZelIcon *mediaIcon;
    ZelBacking *backing;
};
