#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

#include <QHBoxLayout>
#include <QSpacerItem>
#include <QVBoxLayout>
#include <QWidget>

// The routing options of the cache.
struct Ui_GeocacheOptionsScreenClass : UiRecord {
    ZelWidget *GeocacheHeaderWidget;
    ZelIcon *statusBar;
    ZelPushButton *btnContextMenu;
    ZelPushButton *btnBack;
    ZelPushButton *btnMap;
    ZelPushButton *btnGo;
    ZelPushButton *subTitle;
    QWidget *horizontalLayoutWidget_3;
    QHBoxLayout *horizontalLayout;
    ZelIcon *iconPaneLocation;
    ZelTextBox *dateTimeLabel;
    QSpacerItem *horizontalSpacer;
    ZelStatusIndicator *statRoutingMethod;
    ZelBacking *backing;
    QWidget *layoutWidget;
    QVBoxLayout *verticalLayout;
    ZelComboBox *cmbRouteType;
    ZelComboBox *cmbRouteMethod;
    ZelPushButton *btnRouteOptions;
    ZelTextBox *label;
    QSpacerItem *verticalSpacer;
    ZelPushButton *btnDelete;
    ZelTextBox *labelPictures;
    ZelTextArea *txtPath;
};
