#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_check_box.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "controls/zel_widget.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QWidget>

/* TRANSLATOR TrackOptionsScreenClass

   Holds a track's options.
*/
struct Ui_TrackOptionsScreenClass : UiRecord {
    ZelPushButton *btnDelete;
    ZelTextBox *textBox_2;
    ZelIcon *statusBar;
    ZelPushButton *btnContextMenu;
    ZelPushButton *btnBack;
    QWidget *horizontalLayoutWidget_4;
    QHBoxLayout *horizontalLayout_4;
    ZelPushButton *btnMap;
    ZelPushButton *btnGo;
    ZelWidget *headerControl;
    ZelBacking *backing_2;
    ZelCheckBox *btnReverse;
    ZelTextBox *textBox_3;
    ZelCheckBox *btnShowOnMap;
    ZelTextBox *textBox;
    ZelPushButton *btnOptions;
    QWidget *layoutWidget;
    QHBoxLayout *horizontalLayout_6;
    ZelIcon *iconPaneLocation_2;
    ZelTextBox *label_7;
};
