#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_area.h"
#include "controls/zel_text_box.h"
#include "controls/zel_widget.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR GeocacheHistoryScreenClass

   The stats and history text of the cache.
*/
struct Ui_GeocacheHistoryScreenClass : UiRecord {
    ZelIcon *icon_3;
    ZelTextArea *txtDescription;
    ZelWidget *GeocacheHeaderWidget;
    ZelIcon *statusBar;
    ZelPushButton *btnContextMenu;
    ZelPushButton *btnBack;
    ZelPushButton *btnMap;
    ZelPushButton *btnGo;
    ZelPushButton *subTitle;
    ZelTextBox *dateTimeLabel_4;
    ZelTextBox *iconAttributes_2;
};
