#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_status_indicator.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR POIDDEScreenClass

   Distance, direction and elevation figures of a point of interest.
*/
struct Ui_POIDDEScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnContextMenu;
    ZelPushButton *btnMap;
    ZelPushButton *btnGo;
    QWidget *headerControl;
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
    ZelIcon *iconFlag;
    ZelTextBox *txtTitleDistance;
    ZelIcon *icon3DAbstract;
    ZelTextBox *txtTitleElevation;
    ZelTextBox *txtTitleDirection;
    ZelStatusIndicator *iconDirection;
};
