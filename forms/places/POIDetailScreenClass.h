#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_status_indicator.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QWidget>

/* TRANSLATOR POIDetailScreenClass

   The point-of-interest detail menu: one panel button per sub-screen.
*/
struct Ui_POIDetailScreenClass : UiRecord {
    QWidget *layoutWidget;
    QVBoxLayout *verticalLayout;
    ZelPushButton *btnDDE;
    ZelTextBox *txtDirection;
    ZelTextBox *txtElevation;
    ZelStatusIndicator *iconDirection;
    ZelIcon *iconFlag;
    ZelIcon *icon3DAbstract;
    ZelTextBox *txtDistance;
    ZelPushButton *btnDescription;
    ZelTextBox *label_3;
    ZelTextBox *txtDescription;
    ZelPushButton *btnLocation;
    QWidget *horizontalLayoutWidget_2;
    QHBoxLayout *horizontalLayout;
    ZelTextBox *label_4;
    ZelTextBox *txtCoord1;
    ZelPushButton *btnPictures;
    ZelTextBox *label_6;
    ZelTextBox *txtPictNum;
    ZelPushButton *btnOptions;
    ZelTextBox *label_7;
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnContextMenu;
    ZelPushButton *btnMap;
    ZelPushButton *btnGo;
    QWidget *headerControl;
};
