#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_push_check_box.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QWidget>

/* TRANSLATOR NearByTypeScreenClass

   The object types of a nearby search, one check button each, with OK.
*/
struct Ui_NearByTypeScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *OKButton;
    ZelTextBox *okText;
    ZelPushButton *btnBack;
    ZelPushButton *btnViewOnMap;
    ZelPushButton *btnListHeader;
    ZelTextBox *txtLabel;
    QWidget *verticalLayoutWidget;
    QVBoxLayout *verticalLayout;
    ZelPushCheckBox *wptButton;
    ZelIcon *icon;
    ZelTextBox *WptText;
    ZelPushCheckBox *GeocacheButton;
    ZelIcon *icon_3;
    ZelTextBox *GeocachesText;
    ZelPushCheckBox *POIButton;
    ZelIcon *icon_5;
    ZelTextBox *POItext;
    ZelPushCheckBox *TrackButton;
    ZelIcon *icon_4;
    ZelTextBox *TrackText;
    ZelPushCheckBox *RouteButton;
    ZelIcon *icon_2;
    ZelTextBox *RouteText;
};
