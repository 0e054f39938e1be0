#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_list.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "controls/zel_widget.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR GcAttributesScreenClass

   The attribute list of the cache.
*/
struct Ui_GcAttributesScreenClass : UiRecord {
    ZelWidget *GeocacheHeaderWidget;
    ZelList *listDataFields;
    ZelIcon *statusBar;
    ZelPushButton *btnContextMenu;
    ZelPushButton *btnBack;
    ZelPushButton *btnMap;
    ZelPushButton *btnGo;
    ZelPushButton *subTitle;
    ZelTextBox *iconAttributes;
    ZelTextBox *labelAttributesCount;
    ZelTextBox *labelAttributes;
};
