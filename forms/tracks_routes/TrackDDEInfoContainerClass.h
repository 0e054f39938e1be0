#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR TrackDDEInfoContainerClass

   The scrolled content of the track figures screen (232 × 842).
*/
struct Ui_TrackDDEInfoContainerClass : UiRecord {
    ZelIcon *icon_4;
    ZelTextBox *Distance_2;
    ZelTextBox *txtDistanceInfo;
    ZelTextBox *Distance_9;
    ZelTextBox *txtStraightDistance;
    ZelIcon *icon_5;
    ZelTextBox *Distance_4;
    ZelTextBox *Distance_10;
    ZelTextBox *Distance_11;
    ZelTextBox *Distance_12;
    ZelTextBox *Distance_13;
    ZelTextBox *txtMovingTime;
    ZelTextBox *Distance_14;
    ZelTextBox *Distance_15;
    ZelTextBox *txtStoppedTime;
    ZelTextBox *Distance_16;
    ZelTextBox *txtAvgSpeed;
    ZelTextBox *Distance_17;
    ZelTextBox *txtAvgMovingSpeed;
    ZelTextBox *Distance_20;
    ZelTextBox *txtMaxMovingSpeed;
    ZelTextBox *Distance_18;
    ZelTextBox *txtAvgAscentSpeed;
    ZelTextBox *Distance_19;
    ZelTextBox *txtAvgDescentSpeed;
    ZelTextBox *Distance_21;
    ZelTextBox *txtAvgTimeToFind;
    ZelTextBox *Distance_6;
    ZelTextBox *txtPoints;
    ZelTextBox *Distance_7;
    ZelTextBox *txtSegments;
    ZelTextBox *txtElevationChange;
    ZelTextBox *txtTotalDescent;
    ZelTextBox *txtTotalAscent;
    ZelTextBox *txtTotalAscentAndDescent;
    ZelTextBox *txtDurationInfo;
    ZelIcon *icon_6;
    ZelTextBox *Distance;
    ZelTextBox *txtDateStart;
    ZelTextBox *txtStartLat;
    ZelTextBox *Distance_3;
    ZelTextBox *txtDateEnd;
    ZelTextBox *txtEndLat;
};
