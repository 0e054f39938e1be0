#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "core/form_layout.h"

#include <QStackedWidget>
#include <QWidget>

/* TRANSLATOR MediaVideoThumbScreenClass

   The video thumbnail page.
*/
struct Ui_MediaVideoThumbScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    QStackedWidget *stackedWidget;
    QWidget *pageMenu;
    ZelPushButton *btnContextMenu;
    QWidget *pageConfirm;
    ZelPushButton *btnConfirm;
    ZelPushButton *btnUp;
    ZelPushButton *btnDown;
    ZelIcon *iconGrabScr;
};
