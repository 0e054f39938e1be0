#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_area.h"
#include "controls/zel_text_box.h"
#include "controls/zel_widget.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR GeocacheDescriptionScreenClass

   The cache description as scrolling text.
*/
struct Ui_GeocacheDescriptionScreenClass : UiRecord {
    ZelWidget *GeocacheHeaderWidget;
    ZelIcon *statusBar;
    ZelPushButton *btnContextMenu;
    ZelPushButton *btnBack;
    ZelPushButton *btnMap;
    ZelPushButton *btnGo;
    ZelBacking *backing;
    ZelTextArea *txtDescription;
    ZelPushButton *subTitle;
    ZelTextBox *dateTimeLabel_3;
    ZelTextBox *labelDescription_2;
    ZelIcon *iconPaneLocation_4;
};
