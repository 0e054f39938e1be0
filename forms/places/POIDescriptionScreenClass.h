#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_area.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR POIDescriptionScreenClass

   A point of interest's description under its panel button.
*/
struct Ui_POIDescriptionScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnContextMenu;
    ZelPushButton *btnMap;
    ZelPushButton *btnGo;
    ZelPushButton *btnSubtitle;
    ZelTextBox *label_3;
    QWidget *headerControl;
    ZelBacking *backing;
    ZelTextArea *txtDescription;
};
