#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_push_radio_button.h"
#include "controls/zel_status_indicator.h"
#include "controls/zel_text_box.h"
#include "controls/zel_widget.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QSpacerItem>
#include <QWidget>

/* TRANSLATOR GeocacheStatusScreenClass

   The user's status for the cache.
*/
struct Ui_GeocacheStatusScreenClass : UiRecord {
    ZelWidget *GeocacheHeaderWidget;
    ZelIcon *statusBar;
    ZelPushButton *btnContextMenu;
    ZelPushButton *btnBack;
    ZelPushButton *btnMap;
    ZelPushButton *btnGo;
    ZelPushButton *subTitle;
    QWidget *layoutWidget_3;
    QHBoxLayout *horizontalLayout_2;
    ZelStatusIndicator *statGeocacheStatus;
    ZelTextBox *txtStatus;
    QSpacerItem *horizontalSpacer;
    ZelBacking *backing;
    QWidget *layoutWidget;
    QVBoxLayout *verticalLayout;
    ZelPushRadioButton *buttonFound;
    ZelTextBox *iconStatus_22;
    ZelTextBox *txtStatus_22;
    ZelPushRadioButton *buttonNotFound;
    ZelTextBox *txtStatus_23;
    ZelTextBox *iconStatus_23;
    ZelPushRadioButton *buttonNeedsMaintenance;
    ZelTextBox *txtStatus_21;
    ZelTextBox *iconStatus_21;
    ZelPushButton *buttonEnterNote;
    ZelTextBox *txtEnterFieldNote;
    ZelTextBox *iconStatus;
};
