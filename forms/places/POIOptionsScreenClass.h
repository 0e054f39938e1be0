#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_combo_box.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_status_indicator.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QSpacerItem>
#include <QWidget>

/* TRANSLATOR POIOptionsScreenClass

   A point of interest's options: activity indicator, routing selectors and settings.
*/
struct Ui_POIOptionsScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnContextMenu;
    ZelPushButton *btnMap;
    ZelPushButton *btnGo;
    ZelPushButton *btnSubtitle;
    QWidget *horizontalLayoutWidget_3;
    QHBoxLayout *horizontalLayout_4;
    ZelIcon *icon_2;
    ZelTextBox *dateTimeLabel_6;
    QSpacerItem *horizontalSpacer;
    ZelStatusIndicator *iconOptions;
    QWidget *headerControl;
    ZelBacking *backing;
    QWidget *layoutWidget;
    QVBoxLayout *verticalLayout;
    ZelComboBox *cmbRouteType;
    ZelComboBox *cmbRouteMethod;
    ZelPushButton *tbnRouteOptions;
    ZelTextBox *label_3;
    QSpacerItem *verticalSpacer;
};
