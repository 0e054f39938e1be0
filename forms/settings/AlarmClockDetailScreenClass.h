#pragma once

#include "controls/zel_combo_box.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_string_vertical_spin_box.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR AlarmClockDetailScreenClass

   The details of one alarm.
*/
struct Ui_AlarmClockDetailScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnContextMenu;
    ZelPushButton *btnBack;
    ZelPushButton *btnSave;
    ZelIcon *iconTitle;
    ZelTextBox *labelName;
    ZelComboBox *comboBoxChime;
    ZelPushButton *btnState;
    ZelTextBox *textBoxState;
    ZelIcon *iconState;
    ZelPushButton *btnBoxName;
    ZelTextBox *textBoxName;
    ZelStringVerticalSpinBox *spinBox1;
    ZelTextBox *textBoxPrior;
    ZelStringVerticalSpinBox *spinBox2;
    ZelStringVerticalSpinBox *spinBox3;
};
