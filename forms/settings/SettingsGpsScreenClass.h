#pragma once

#include "controls/zel_controls.h"
#include "core/form_layout.h"

#include <QWidget>

// GPS settings: GPS on or off, and setting the GPS position from a point on the map
// or from coordinates, with the current primary coordinate and datum.
struct Ui_SettingsGpsScreenClass : UiRecord {
    ZelIcon *bottomBar;
    ZelPushButton *btnBack;
    ZelIcon *icon;
    ZelTextBox *lblTitle_2;
    ZelIcon *icon_2;
    ZelTextBox *lblGps;
    ZelComboBox *comboGpsOnOff;
    ZelPushButton *btnFromMap;
    ZelTextBox *lblFromMap;
    ZelIcon *ItemIcon;
    ZelTextBox *lblSetGpsPos;
    ZelPushButton *btnCoordinates;
    ZelTextBox *lblCoordinates;
    ZelIcon *ItemIcon_1;
    ZelTextBox *PrimaryDatum;
    ZelTextBox *PrimaryCoordLabel;
    ZelTextBox *PrimaryDatumLabel;
    zelCoordEntryWidget *PrimaryCoordEW;
    ZelTextBox *PrimaryCoord;
    ZelBacking *backing;
};
