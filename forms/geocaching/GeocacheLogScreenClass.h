#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

#include <QHBoxLayout>
#include <QSpacerItem>
#include <QWidget>

// The recent logs of the cache.
struct Ui_GeocacheLogScreenClass : UiRecord {
    ZelWidget *GeocacheHeaderWidget;
    ZelStatusIndicator *statGeocacheLogStatus;
    ZelIcon *statusBar;
    ZelPushButton *btnContextMenu;
    ZelPushButton *btnBack;
    ZelPushButton *btnMap;
    ZelPushButton *btnGo;
    ZelPushButton *subTitle;
    QWidget *horizontalLayoutWidget_2;
    QHBoxLayout *horizontalLayout_3;
    ZelTextBox *labelRecentLogs;
    ZelIcon *iconLog1;
    ZelTextBox *txtLog1;
    ZelIcon *iconLog2;
    ZelTextBox *txtLog2;
    ZelIcon *iconLog3;
    ZelTextBox *txtLog3;
    ZelIcon *iconLog4;
    ZelTextBox *txtLog4;
    ZelIcon *iconLog5;
    ZelTextBox *txtLog5;
    QSpacerItem *horizontalSpacer;
    ZelIcon *iconRecentLogs;
    ZelBacking *backing;
    ZelTextArea *txtDescription;
};
