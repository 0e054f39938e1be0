#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_combo_box.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_scroll_area.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR SettingsPowerScreenClass

   Power: choices for the active suspend timer, the power-off timer and the battery type, with an explanatory text.
*/
struct Ui_SettingsPowerScreenClass : UiRecord {
    ZelIcon *icon_2;
    ZelTextBox *lblOffCourse_2;
    ZelIcon *icon;
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelBacking *backing;
    ZelScrollArea *scrollArea;
    QWidget *scrollAreaWidgetContents;
    ZelTextBox *lblActiveSuspendTimer;
    ZelComboBox *comboSuspendTimer;
    ZelTextBox *lblActiveSuspendTimerInfo;
    ZelComboBox *comboBatteryType;
    ZelTextBox *lblPowerOffTimer;
    ZelComboBox *comboPowerOffTimer;
    ZelTextBox *lblBatteryType;
};
