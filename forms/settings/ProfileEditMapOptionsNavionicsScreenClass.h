#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_combo_box.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_scroll_area.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR ProfileEditMapOptionsNavionicsScreenClass

   The chart options for Navionics charts of a profile, in a scrolling panel.
*/
struct Ui_ProfileEditMapOptionsNavionicsScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnContextMenu;
    QWidget *ScrollButtonsWidget;
    ZelIcon *iconTitle;
    ZelIcon *iconProfile;
    ZelIcon *icon;
    ZelTextBox *lblNavionicsCharts;
    ZelBacking *backing;
    ZelScrollArea *scrollArea;
    QWidget *scrollAreaWidgetContents;
    ZelComboBox *comboContourLineSpacing;
    ZelComboBox *comboDepthUnits;
    ZelTextBox *lblContourLineSpacing;
    ZelTextBox *lblSafetyDepth;
    ZelTextBox *lblDepthUnits;
    ZelComboBox *comboSafetyDepth;
    ZelComboBox *comboChartBoundaries;
    ZelTextBox *lblChartBoundaries;
    ZelComboBox *comboPresentation;
    ZelTextBox *lblPresentation;
    ZelComboBox *comboHideCharts;
    ZelTextBox *lblHideCharts;
};
