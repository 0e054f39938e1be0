#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_widget.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QWidget>

/* TRANSLATOR TrackMediaScreenClass

   The media screen of a track.
*/
struct Ui_TrackMediaScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnContextMenu;
    ZelPushButton *btnBack;
    QWidget *horizontalLayoutWidget_4;
    QHBoxLayout *horizontalLayout_4;
    ZelPushButton *btnMap;
    ZelPushButton *btnGo;
    ZelWidget *headerControl;
};
