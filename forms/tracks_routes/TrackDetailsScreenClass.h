#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "controls/zel_widget.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QWidget>

/* TRANSLATOR TrackDetailsScreenClass

   The track detail menu.
*/
struct Ui_TrackDetailsScreenClass : UiRecord {
    QWidget *verticalLayoutWidget;
    QVBoxLayout *verticalLayout;
    ZelPushButton *btnDDE;
    QWidget *layoutWidget_2;
    QHBoxLayout *horizontalLayout_3;
    ZelIcon *iconFlag;
    ZelTextBox *txtDistance;
    ZelIcon *icon3DAbstract;
    ZelTextBox *txtElevation;
    ZelTextBox *txtDuration;
    ZelPushButton *btnDescription;
    QWidget *layoutWidget_1;
    QHBoxLayout *horizontalLayout_4;
    ZelIcon *iconPaneLocation_3;
    ZelTextBox *label_3;
    ZelTextBox *txtDescription;
    ZelPushButton *btnVerticalProfile;
    QWidget *layoutWidget_3;
    QHBoxLayout *horizontalLayout;
    ZelIcon *icon3DAbstract_2;
    ZelTextBox *label_4;
    ZelTextBox *txtVPElevChange;
    ZelPushButton *btnAreaCalculation;
    ZelIcon *icon;
    ZelTextBox *txtArea;
    ZelTextBox *label_5;
    ZelPushButton *btnPictures;
    QWidget *layoutWidget_5;
    QHBoxLayout *horizontalLayout_5;
    ZelIcon *iconPhoto;
    ZelTextBox *labelPicturesCounter;
    ZelIcon *iconVideo;
    ZelTextBox *labelVideoCounter;
    ZelIcon *iconMemo;
    ZelTextBox *labelMemoCounter;
    ZelPushButton *btnOptions;
    QWidget *layoutWidget_6;
    QHBoxLayout *horizontalLayout_6;
    ZelIcon *iconPaneLocation_2;
    ZelTextBox *label_7;
    ZelIcon *statusBar;
    ZelPushButton *btnContextMenu;
    ZelPushButton *btnBack;
    QWidget *layoutWidget;
    QHBoxLayout *horizontalLayout_7;
    ZelPushButton *btnMap;
    ZelPushButton *btnGo;
    ZelWidget *headerControl;
};
