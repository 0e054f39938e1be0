#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR LocationPaneWidgetClass

   A location pane that other screens embed: a Location header over a card with latitude, longitude and elevation.
*/
struct Ui_LocationPaneWidgetClass : UiRecord {
    ZelIcon *icon_6;
    ZelTextBox *dateTimeLabel_5;
    ZelIcon *icon3DAbstract;
    ZelTextBox *dateTimeLabel_3;
    ZelIcon *icon_2;
    ZelTextBox *dateTimeLabel_4;
    ZelTextBox *labelLongitude;
    ZelTextBox *labelLatitude;
    ZelTextBox *labelElevation;
    ZelIcon *icon;
    ZelTextBox *dateTimeLabel_2;
    ZelTextBox *labelLocation;
};
