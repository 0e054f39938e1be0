#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_containers.h"
#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

#include <QWidget>

// The media settings.
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
