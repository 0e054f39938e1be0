#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

#include <QWidget>

// The details of one map, with its brand icon.
struct Ui_MapSel_DetailsScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnContextMenu;
    ZelPushButton *btnBack;
    QWidget *ScrollButtonsWidget;
    ZelBacking *backing;
    ZelTextArea *textDetails;
    ZelIcon *iconBrand;
    ZelPushButton *btnListHeader;
    ZelIcon *icon;
    ZelTextBox *txtLabel;
};
