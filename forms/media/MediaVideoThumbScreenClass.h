#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_images.h"
#include "core/form_layout.h"

#include <QStackedWidget>
#include <QWidget>

// The video thumbnail page.
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
