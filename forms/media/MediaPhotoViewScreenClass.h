#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "core/form_layout.h"

#include <QStackedWidget>
#include <QWidget>

/* TRANSLATOR MediaPhotoViewScreenClass

   The photo view.
*/
struct Ui_MediaPhotoViewScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    QStackedWidget *stackedWidgetCenter;
    QWidget *pageRotate;
    ZelPushButton *btnRotate;
    QWidget *pageScroll;
    ZelPushButton *btnDown;
    ZelPushButton *btnUp;
    QStackedWidget *stackedWidget;
    QWidget *pageMenu;
    ZelPushButton *btnContextMenu;
    QWidget *pageConfirm;
    ZelPushButton *btnConfirm;
    ZelIcon *iconGrabScr;
};
