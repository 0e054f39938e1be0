#pragma once

#include "controls/zel_controls.h"
#include "core/form_layout.h"

#include <QHBoxLayout>
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
