#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_status_indicator.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QWidget>

/* TRANSLATOR WptDetailScreenClass

   The waypoint detail menu: one panel button per sub-screen.
*/
struct Ui_WptDetailScreenClass : UiRecord {
    QWidget *verticalLayoutWidget;
    QVBoxLayout *verticalLayout;
    ZelPushButton *buttonDDE;
    ZelIcon *iconFlag;
    ZelTextBox *labelDistance;
    ZelIcon *icon3DAbstract;
    ZelTextBox *labelHeight;
    ZelTextBox *labelDirection;
    ZelStatusIndicator *indicatorDirection;
    ZelPushButton *buttonDescription;
    ZelTextBox *dateTimeLabel_2;
    ZelTextBox *labelDescription;
    ZelIcon *iconPaneLocation_3;
    ZelPushButton *buttonLocation;
    ZelIcon *iconPaneLocation;
    ZelTextBox *dateTimeLabel_3;
    ZelTextBox *labelLocation;
    ZelPushButton *buttonPictures;
    ZelTextBox *labelMemoCounter;
    ZelIcon *iconMemo;
    ZelTextBox *labelPicturesCounter;
    ZelTextBox *labelVideoCounter;
    ZelIcon *iconPhoto;
    ZelIcon *iconVideo;
    ZelPushButton *buttonOption;
    ZelTextBox *dateTimeLabel_4;
    ZelStatusIndicator *iconOptions;
    ZelIcon *iconPaneLocation_2;
};
