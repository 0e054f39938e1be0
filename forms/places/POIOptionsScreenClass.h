#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

#include <QHBoxLayout>
#include <QSpacerItem>
#include <QVBoxLayout>
#include <QWidget>

// A point of interest's options: activity indicator, routing selectors and settings.
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
