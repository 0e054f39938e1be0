#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QWidget>

/* TRANSLATOR POIPicturesScreenClass

   The pictures screen of a point of interest: title and picture count; the pictures are the host's.
*/
struct Ui_POIPicturesScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnContextMenu;
    ZelPushButton *btnMap;
    ZelPushButton *btnGo;
    QWidget *horizontalLayoutWidget;
    QHBoxLayout *layoutTitle;
    ZelIcon *iconCap;
    ZelTextBox *iconPOI;
    ZelIcon *iconName;
    ZelTextBox *txtPOIName;
    ZelIcon *picBar;
    ZelTextBox *labelPic;
    ZelTextBox *txtPictNum;
};
