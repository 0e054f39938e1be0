#pragma once

#include "controls/zel_controls.h"
#include "core/form_layout.h"

#include <QHBoxLayout>
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
