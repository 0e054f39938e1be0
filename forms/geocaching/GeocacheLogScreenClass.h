#pragma once

#include "controls/zel_backing.h"
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

/* TRANSLATOR GeocacheLogScreenClass

   The recent logs of the cache.
*/
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
