#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_simple_graph_view.h"
#include "controls/zel_text_box.h"
#include "controls/zel_widget.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QStackedWidget>
#include <QWidget>

/* TRANSLATOR VerticalProfileTrackScreenClass

   Shows the vertical (elevation) profile of a track.
*/
struct Ui_VerticalProfileTrackScreenClass : UiRecord {
    ZelIcon *icon_6;
    ZelTextBox *lbl_NetChange;
    ZelTextBox *lbl_Length;
    ZelTextBox *lbl_LengthVal;
    ZelTextBox *lbl_NetChangeVal;
    ZelTextBox *lbl_Time;
    ZelTextBox *lbl_Speed;
    ZelTextBox *lbl_SpeedVal;
    ZelTextBox *lbl_TimeVal;
    zelSimpleGraphView *chartPlot;
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    QStackedWidget *stackedWidget;
    QWidget *initMode;
    ZelPushButton *btnContextMenu;
    QWidget *horizontalLayoutWidget_4;
    QHBoxLayout *horizontalLayout_6;
    ZelPushButton *btnToolBar;
    ZelPushButton *btnMap;
    ZelPushButton *btnGo;
    QWidget *editMode;
    ZelPushButton *btnLeft;
    ZelPushButton *btnRight;
    ZelPushButton *btnZoomMode;
    QWidget *zoomMode;
    ZelPushButton *btnZoomIn;
    ZelPushButton *btnZoomOut;
    ZelPushButton *btnPanMode;
    ZelPushButton *btnVerticalProfile;
    QWidget *layoutWidget;
    QHBoxLayout *horizontalLayout;
    ZelIcon *icon3DAbstract_2;
    ZelTextBox *label_4;
    ZelTextBox *txtVPElevChange;
    ZelWidget *headerControl;
};
