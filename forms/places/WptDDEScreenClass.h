#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_status_indicator.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR WptDDEScreenClass

   Distance, direction and elevation figures of one waypoint.
*/
struct Ui_WptDDEScreenClass : UiRecord {
    ZelBacking *backing;
    ZelTextBox *txtDistance;
    ZelStatusIndicator *iconDirectionBig;
    ZelTextBox *txtElevationChange;
    ZelTextBox *labelDistance;
    ZelTextBox *labelBearing;
    ZelIcon *iconFlagBig;
    ZelIcon *icon3DAbstractBig;
    ZelTextBox *labelTotalAscent;
    ZelTextBox *txtTotalDescent;
    ZelTextBox *labelTotalDescent;
    ZelTextBox *labelElevationChange;
    ZelTextBox *txtBearing;
    ZelTextBox *txtTotalAscent;
    ZelPushButton *btnTitle;
    ZelIcon *iconFlag;
    ZelTextBox *txtTitleDistance;
    ZelIcon *icon3DAbstract;
    ZelTextBox *txtTitleElevation;
    ZelTextBox *txtTitleDirection;
    ZelStatusIndicator *iconDirection;
};
