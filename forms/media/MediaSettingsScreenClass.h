#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_combo_box.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_scroll_area.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR MediaSettingsScreenClass

   The media settings.
*/
struct Ui_MediaSettingsScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    QWidget *ScrollButtonsWidget;
    ZelIcon *icon;
    ZelTextBox *lblSettings;
    ZelBacking *backing;
    ZelScrollArea *scrollArea;
    QWidget *scrollAreaWidgetContents;
    ZelTextBox *lblSizeTime;
    ZelTextBox *lblSortBy;
    ZelTextBox *lblQualityDisplay;
    ZelComboBox *comboMode;
    ZelComboBox *comboSizeTime;
    ZelComboBox *comboQualityDisplay;
    ZelComboBox *comboSortBy;
    ZelTextBox *lblMode;
    ZelTextBox *lblSaveTo;
    ZelComboBox *comboSaveTo;
};
