#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_status_indicator.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QWidget>

/* TRANSLATOR TrackPopUpClass

   The track bubble on the map, with its Go button.
*/
struct Ui_TrackPopUpClass : UiRecord {
    ZelPushButton *btnGo;
    ZelTextBox *txtName;
    ZelIcon *iconObj;
    ZelPushButton *btnDetails;
    ZelStatusIndicator *statDirection;
    QWidget *layoutWidget;
    QHBoxLayout *horizontalLayout;
    ZelTextBox *txtLatitude;
    ZelTextBox *txtDistance;
    ZelTextBox *txtLongitude;
    ZelTextBox *txtBearing;
    ZelTextBox *txtCoordZ;
    ZelTextBox *txtElevation;
    ZelIcon *favoriteIcon;
    ZelIcon *mediaIcon;
    ZelTextBox *txtLength;
};
