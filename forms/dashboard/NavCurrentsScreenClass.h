#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_simple_graph_view.h"
#include "controls/zel_status_indicator.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR NavCurrentsScreenClass

   The water current predicted at the destination while navigating, with its graph over time.
*/
struct Ui_NavCurrentsScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnContextMenu;
    ZelPushButton *btnMap;
    ZelPushButton *btnGo;
    QWidget *headerControl;
    ZelPushButton *btnLocation;
    ZelIcon *iconPaneLocation;
    ZelTextBox *dateTimeLabel_3;
    ZelTextBox *labelLocation;
    ZelPushButton *btnDDE;
    ZelTextBox *txtDirection;
    ZelStatusIndicator *iconDirection;
    ZelIcon *iconFlag;
    ZelTextBox *txtDistance;
    zelSimpleGraphView *gvCurrents;
    ZelIcon *titleInfo;
    ZelTextBox *txtSpeed;
    ZelStatusIndicator *siDirection;
    ZelTextBox *txtDate;
    ZelTextBox *txtTime;
};
