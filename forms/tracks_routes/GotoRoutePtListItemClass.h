#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR GotoRoutePtListItemClass

   One row of the go-to-route-point list.
*/
struct Ui_GotoRoutePtListItemClass : UiRecord {
    ZelTextBox *textDistance;
    ZelTextBox *textName;
    ZelIcon *icon;
    ZelPushButton *btnGo;
    ZelIcon *iconCurrPtFlag;
};
