#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_scroll_area.h"
#include "controls/zel_status_indicator.h"
#include "controls/zel_text_box.h"
#include "controls/zel_widget.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QSpacerItem>
#include <QWidget>

/* TRANSLATOR RouteDetailsScreenClass

   The route detail menu.
*/
struct Ui_RouteDetailsScreenClass : UiRecord {
    ZelScrollArea *scrollArea;
    QWidget *scrollAreaWidgetContents;
    QWidget *verticalLayoutWidget;
    QVBoxLayout *verticalLayout;
    ZelPushButton *buttonDDE;
    ZelIcon *iconFlag;
    ZelTextBox *labelDistance;
    ZelIcon *icon3DAbstract;
    ZelTextBox *labelHeight;
    ZelPushButton *buttonDescription;
    ZelTextBox *dateTimeLabel_2;
    ZelTextBox *labelDescription;
    ZelIcon *iconPaneLocation_3;
    ZelPushButton *buttonPoints;
    ZelTextBox *dateTimeLabel_3;
    ZelTextBox *labelDistance2;
    ZelIcon *iconFlag_2;
    ZelTextBox *txtPoints;
    ZelIcon *iconPaneLocation_4;
    ZelPushButton *buttonVerticalProfile;
    ZelTextBox *zelTextBox;
    ZelTextBox *labelHeight2;
    ZelIcon *icon3DAbstract_2;
    ZelPushButton *buttonAreaCalc;
    ZelTextBox *dateTimeLabel_4;
    ZelTextBox *txtArea;
    ZelIcon *iconPaneLocation_5;
    ZelPushButton *buttonPictures;
    ZelTextBox *labelMemoCounter;
    ZelIcon *iconMemo;
    ZelTextBox *labelPicturesCounter;
    ZelTextBox *labelVideoCounter;
    ZelIcon *iconPhoto;
    ZelIcon *iconVideo;
    ZelPushButton *buttonOption;
    QWidget *horizontalLayoutWidget_3;
    QHBoxLayout *horizontalLayout_4;
    ZelIcon *iconPaneLocation_2;
    ZelTextBox *dateTimeLabel_5;
    QSpacerItem *horizontalSpacer;
    ZelStatusIndicator *statRoutingMethod;
    ZelWidget *routeHeaderItem;
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnMap;
    ZelPushButton *btnGo;
    ZelPushButton *btnContextMenu;
};
