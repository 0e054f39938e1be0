#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "core/form_layout.h"

#include <QStackedWidget>
#include <QWidget>

/* TRANSLATOR MediaCameraScreenClass

   The camera view.
*/
struct Ui_MediaCameraScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnContextMenu;
    QStackedWidget *stackedWidget;
    QWidget *pageRec;
    ZelPushButton *btnRec;
    QWidget *pageStop;
    ZelPushButton *btnStop;
    QWidget *pageShot;
    ZelPushButton *btnShot;
    ZelIcon *iconGrabScr;
};
