#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_combo_box.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_scroll_area.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR ProfileEditAlarmsScreenClass

   The alarm settings of a profile, in a scrolling panel.
*/
struct Ui_ProfileEditAlarmsScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnApplyToAll;
    ZelTextBox *lblApplyToAll;
    ZelIcon *iconTitleBar;
    ZelIcon *iconProfile;
    ZelTextBox *lblMapOptions_2;
    ZelIcon *icon;
    ZelBacking *backing;
    ZelScrollArea *scrollArea;
    QWidget *scrollAreaWidgetContents;
    ZelTextBox *lblArrival;
    ZelComboBox *comboOffCourse;
    ZelComboBox *comboArrival;
    ZelTextBox *lblOffCourse;
    ZelComboBox *comboArrivalDistance;
    ZelTextBox *lblArrivalDistance;
    ZelTextBox *lblGPSFixLost;
    ZelComboBox *comboWaypointProximity;
    ZelTextBox *lblPlaceProximity;
    ZelTextBox *lblWaypointProximity;
    ZelTextBox *lblGeocacheProximity;
    ZelComboBox *comboAlarmTone;
    ZelComboBox *comboGeocacheProximity;
    ZelComboBox *comboGPSFixAcquired;
    ZelTextBox *lblAlarmTone;
    ZelComboBox *comboGPSFixLost;
    ZelTextBox *lblGPSFixAcquired;
    ZelComboBox *comboPlaceProximity;
    ZelComboBox *comboAlarmVolume;
    ZelTextBox *lblAlarmVolume;
    ZelTextBox *lblAnchor;
    ZelComboBox *comboAnchor;
};
