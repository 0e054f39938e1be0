#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_status_indicator.h"
#include "controls/zel_text_box.h"
#include "controls/zel_widget.h"
#include "core/form_layout.h"

// The distance, direction and elevation page: distance, elevation change,
// total descent, total ascent and bearing, each with its value.
struct Ui_GeocacheDDEScreenClass : UiRecord {
    ZelWidget *GeocacheHeaderWidget;
    ZelIcon *statusBar;
    ZelPushButton *btnContextMenu;
    ZelPushButton *btnBack;
    ZelPushButton *btnMap;
    ZelPushButton *btnGo;
    ZelBacking *backing;
    ZelTextBox *txtTotalDescent;
    ZelIcon *iconFlagBig;
    ZelTextBox *txtElevationChange;
    ZelTextBox *labelDistance;
    ZelTextBox *txtBearing;
    ZelIcon *icon3DAbstractBig;
    ZelStatusIndicator *iconDirectionBig;
    ZelTextBox *txtDistance;
    ZelTextBox *labelTotalAscent;
    ZelTextBox *labelTotalDescent;
    ZelTextBox *labelBearing;
    ZelTextBox *txtTotalAscent;
    ZelTextBox *labelElevationChange;
    ZelPushButton *btnTitle;
    ZelTextBox *txtTitleDirection;
    ZelTextBox *txtTitleDistance;
    ZelIcon *icon3DAbstract;
    ZelStatusIndicator *iconDirection;
    ZelTextBox *txtTitleElevation;
    ZelIcon *iconFlag;
};
