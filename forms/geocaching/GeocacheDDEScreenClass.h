#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

// The distance, direction and elevation page: distance, elevation change, total descent, total ascent and bearing, each with its value.
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
