#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_scroll_area.h"
#include "controls/zel_text_box.h"
#include "controls/zel_widget.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QWidget>

/* TRANSLATOR TrackDDEScreenClass

   Shows a track's distance, elevation and duration figures.
*/
struct Ui_TrackDDEScreenClass : UiRecord {
    ZelScrollArea *scrollArea;
    QWidget *scrollAreaWidgetContents;
    ZelPushButton *btnDDE;
    QWidget *layoutWidget_2;
    QHBoxLayout *horizontalLayout_3;
    ZelIcon *iconFlag;
    ZelTextBox *txtDistance;
    ZelIcon *icon3DAbstract;
    ZelTextBox *txtElevation;
    ZelTextBox *txtDuration;
    ZelIcon *statusBar;
    ZelPushButton *btnContextMenu;
    ZelPushButton *btnBack;
    QWidget *horizontalLayoutWidget_4;
    QHBoxLayout *horizontalLayout_4;
    ZelPushButton *btnMap;
    ZelPushButton *btnGo;
    ZelWidget *headerControl;
    ZelBacking *backing_2;
};
