#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_simple_graph_view.h"
#include "controls/zel_text_box.h"
#include "controls/zel_widget.h"
#include "core/form_layout.h"

#include <QStackedWidget>
#include <QWidget>

/* TRANSLATOR RouteVPScreenClass

   Shows the vertical profile of a route.
*/
struct Ui_RouteVPScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    QStackedWidget *stackedWidget;
    QWidget *initMode;
    ZelPushButton *btnMap;
    ZelPushButton *btnGo;
    ZelPushButton *btnContextMenu;
    QWidget *editMode;
    ZelPushButton *btnZoomMode;
    ZelPushButton *btnRight;
    ZelPushButton *btnLeft;
    QWidget *zoomMode;
    ZelPushButton *btnPanMode;
    ZelPushButton *btnZoomOut;
    ZelPushButton *btnZoomIn;
    zelSimpleGraphView *SimpleGraphView;
    ZelIcon *icon_6;
    ZelTextBox *lbl_NetChange;
    ZelTextBox *lbl_Length;
    ZelTextBox *lbl_LengthVal;
    ZelTextBox *lbl_NetChangeVal;
    ZelIcon *icon_VProfile_2;
    ZelPushButton *btnSubTitle;
    ZelTextBox *zelTextBox;
    ZelIcon *icon3DAbstract_2;
    ZelTextBox *labelElevationChange;
    ZelWidget *routeHeaderItem;
};
