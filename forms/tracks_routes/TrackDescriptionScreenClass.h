#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_area.h"
#include "controls/zel_text_box.h"
#include "controls/zel_widget.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QWidget>

/* TRANSLATOR TrackDescriptionScreenClass

   Shows a track's description.
*/
struct Ui_TrackDescriptionScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnContextMenu;
    ZelPushButton *btnBack;
    QWidget *horizontalLayoutWidget_4;
    QHBoxLayout *horizontalLayout_4;
    ZelPushButton *btnMap;
    ZelPushButton *btnGo;
    ZelWidget *headerControl;
    ZelPushButton *btnDescription;
    ZelTextBox *label_3;
    ZelIcon *iconPaneLocation_3;
    ZelBacking *backing_2;
    ZelTextArea *txtDescription;
};
