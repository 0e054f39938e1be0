#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_map_control.h"
#include "controls/zel_north_up_widget.h"
#include "controls/zel_progress_bar.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QWidget>

/* TRANSLATOR PlayTrackScreenClass

   Plays a track back on the map.
*/
struct Ui_PlayTrackScreenClass : UiRecord {
    ZelMapControl *zelMapControl;
    ZelNorthUpWidget *NorthUp;
    ZelPushButton *ZoomIn;
    ZelPushButton *ZoomOut;
    QWidget *widgetScale;
    ZelIcon *iconScale;
    ZelTextBox *txtScale;
    ZelTextBox *txtScaleShadow;
    ZelPushButton *btnHideMedia;
    ZelPushButton *btnPlaySpeed;
    ZelTextBox *txtPlaySpeedValue;
    ZelTextBox *playMemo;
    ZelTextBox *labelProgress;
    ZelProgressBar *progressBar;
    ZelIcon *panelBottom;
    ZelPushButton *btnBack;
    QWidget *layoutWidget;
    QHBoxLayout *horizontalLayout;
    ZelPushButton *btnPlay;
    ZelPushButton *btnPause;
    ZelPushButton *btnPrevMediaPoint;
    ZelPushButton *btnNextMediaPoint;
};
