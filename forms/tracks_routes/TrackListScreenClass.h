#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "controls/zel_virtual_list.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR TrackListScreenClass

   The track list.
*/
struct Ui_TrackListScreenClass : UiRecord {
    ZelVirtualList *lvTracks;
    ZelIcon *statusBar;
    ZelPushButton *btnContextMenu;
    ZelPushButton *btnBack;
    QWidget *ScrollButtonsWidget;
    ZelPushButton *titleButton;
    ZelBacking *backing;
    ZelTextBox *txtNumOfTracks;
    ZelIcon *icon;
    ZelTextBox *txtCurPage;
    ZelTextBox *txtPOIName;
    ZelTextBox *txtFilter;
};
