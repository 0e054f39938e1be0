#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QWidget>

/* TRANSLATOR MainMenuScreenClass

   The home menu: three rows of round buttons, each with a caption strip, over the bottom bar.
*/
struct Ui_MainMenuScreenClass : UiRecord {
    ZelPushButton *btnMaps;
    ZelIcon *iconMaps;
    ZelPushButton *btnGC;
    ZelIcon *iconGC;
    ZelPushButton *btnRoutes;
    ZelIcon *iconRoutes;
    ZelPushButton *btnAddress;
    ZelIcon *iconAddress;
    ZelPushButton *btnCamera;
    ZelIcon *iconCamera;
    ZelPushButton *btnPOI;
    ZelIcon *iconPOI;
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnTools;
    ZelPushButton *btnContextMenu;
    QWidget *horizontalLayoutWidget;
    QHBoxLayout *horizontalLayout_4;
    ZelPushButton *btnStart;
    ZelIcon *iconStart;
    ZelPushButton *btnStop;
    ZelIcon *iconStart_2;
    ZelPushButton *btnWaypoints;
    ZelIcon *iconWpt;
    ZelPushButton *btnTracks;
    ZelIcon *iconTracks;
    ZelBacking *backing;
    QWidget *layoutWidget;
    QHBoxLayout *horizontalLayout;
    ZelTextBox *label;
    ZelTextBox *label_8;
    ZelTextBox *label_2;
    ZelTextBox *label_3;
    ZelBacking *backing_2;
    QWidget *layoutWidget1;
    QHBoxLayout *horizontalLayout_2;
    ZelTextBox *label_4;
    ZelTextBox *label_5;
    ZelTextBox *label_6;
    ZelBacking *backing_3;
    QWidget *layoutWidget2;
    QHBoxLayout *horizontalLayout_3;
    ZelTextBox *label_7;
    ZelTextBox *label_10;
    ZelTextBox *label_11;
};
