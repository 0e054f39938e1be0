#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_combo_box.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_status_indicator.h"
#include "controls/zel_text_area.h"
#include "controls/zel_text_box.h"
#include "controls/zel_widget.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QSpacerItem>
#include <QWidget>

/* TRANSLATOR GeocacheOptionsScreenClass

   The routing options of the cache.
*/
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
