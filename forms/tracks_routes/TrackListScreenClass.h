#pragma once

#include "controls/zel_controls.h"
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
